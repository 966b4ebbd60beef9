// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/span_dialogs.h"

#include "app/dialogs/span_date_group.h"
#include "catalog/systeme.h"
#include "gfx/text_codec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

namespace {

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

TDialogConjonctions::TDialogConjonctions(date2& start, date2& end, QWidget* parent)
    : QDialog(parent), startDate_(start), endDate_(end),
      start_(new SpanDateGroup(QStringLiteral("Enter begining :"), 101, start)),
      end_(new SpanDateGroup(QStringLiteral("Enter end :"), 107, end)) {
    setWindowTitle(QStringLiteral("Conjunction graph"));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(start_);
    groups->addWidget(end_);
    layout->addLayout(groups);
    layout->addWidget(okCancel(this));
}

void TDialogConjonctions::accept() {
    start_->store(startDate_);
    end_->store(endDate_);
    QDialog::accept();
}

TDialogDanse::TDialogDanse(date2& start, date2& end, int& danceObject, const systeme& sys, QWidget* parent)
    : QDialog(parent), startDate_(start), endDate_(end), danceObject_(danceObject), planets_(new QComboBox),
      start_(new SpanDateGroup(QStringLiteral("Enter begining :"), 101, start)),
      end_(new SpanDateGroup(QStringLiteral("Enter end :"), 107, end)) {
    setWindowTitle(QStringLiteral("Dance"));
    planets_->setObjectName(QStringLiteral("control105"));
    for (int i = 0; i < sys.planetCount(); ++i)
        if (i != 2) planets_->addItem(gfx::fromWindows1252(sys.planet(i)->nom));
    planets_->setCurrentIndex(
        std::clamp(listIndexOfObject(danceObject), 0, std::max(planets_->count() - 1, 0)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Choose an object to see its dance :")));
    layout->addWidget(planets_);
    auto* groups = new QHBoxLayout;
    groups->addWidget(start_);
    groups->addWidget(end_);
    layout->addLayout(groups);
    QDialogButtonBox* buttons = okCancel(this);
    for (QAbstractButton* b : buttons->buttons())
        if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
            b->setObjectName(QStringLiteral("control106"));
    layout->addWidget(buttons);
}

void TDialogDanse::accept() {
    start_->store(startDate_);
    end_->store(endDate_);
    if (planets_->currentIndex() >= 0) danceObject_ = objectOfListIndex(planets_->currentIndex());
    QDialog::accept();
}
