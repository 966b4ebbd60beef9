// nalvo-cli: headless rendering and reports.
int main() { return 0; }
