// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/search_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalog/systeme.h"
#include "gfx/text_codec.h"

using skymap::SearchCatalogue;

TDialogSearch::TDialogSearch(const systeme& sys, QWidget* parent) : QDialog(parent), sys_(sys) {
    setWindowTitle(QStringLiteral("Search"));
    setObjectName(QStringLiteral("TDialogSearch"));
    auto* outer = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Object :"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("objects"));
    list_->setMinimumSize(180, 240);
    left->addWidget(list_);
    outer->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    const struct {
        const char* text;
        SearchCatalogue catalogue;
    } catalogues[] = {{"Planets", SearchCatalogue::Planets},
                      {"Stars", SearchCatalogue::Stars},
                      {"Messier", SearchCatalogue::Messier},
                      {"NGC", SearchCatalogue::NGC},
                      {"Asteroids", SearchCatalogue::Asteroids}};
    for (const auto& c : catalogues) {
        auto* b = new QPushButton(QString::fromLatin1(c.text), this);
        b->setAutoDefault(false);
        const SearchCatalogue catalogue = c.catalogue;
        connect(b, &QPushButton::clicked, this, [this, catalogue] { fill(catalogue); });
        right->addWidget(b);
    }
    right->addStretch(1);
    auto* search = new QPushButton(QStringLiteral("Search"), this);
    search->setDefault(true);
    connect(search, &QPushButton::clicked, this, [this] {
        if (chosen().found()) accept();
    });
    right->addWidget(search);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    right->addWidget(cancel);
    outer->addLayout(right);

    // A double click on an entry searches it at once.
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (chosen().found()) accept();
    });
    fill(SearchCatalogue::Planets);
}

void TDialogSearch::fill(SearchCatalogue catalogue) {
    entries_ = skymap::searchList(sys_, catalogue);
    list_->clear();
    for (const skymap::SearchEntry& e : entries_.entries) list_->addItem(gfx::fromWindows1252(e.text));
    if (entries_.selected >= 0) list_->setCurrentRow(entries_.selected);
    list_->setFocus();
}

skymap::SkyObjectRef TDialogSearch::chosen() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.entries.size())) return {};
    return entries_.entries[static_cast<size_t>(row)].object;
}

QPushButton* TDialogSearch::button(const QString& text) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}
