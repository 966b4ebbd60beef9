// Nalvo: the desktop planetarium.
int main() { return 0; }
