// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/asteroid_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "catalog/comet_selection.h"
#include "catalog/settings.h"
#include "catalog/systeme.h"
#include "gfx/text_codec.h"

namespace {

QString format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return QString::fromLatin1(text);
}

QString nameOf(const systeme& sys, int index) {
    return gfx::fromWindows1252(sys.comets[index]->nom);
}

} // namespace

TDialogAsteroides::TDialogAsteroides(asteroidesXfer xfer, QWidget* parent)
    : QDialog(parent), xfer_(std::move(xfer)) {
    setWindowTitle(QStringLiteral("Asteroids"));
    before_ = selectedCometIndices(*xfer_.sys);
    limit_ = xfer_.sys->cometMagLimit;

    left_ = new QListWidget(this);
    left_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    right_ = new QListWidget(this);
    right_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    limitEdit_ = new QLineEdit(this);
    limitEdit_->setMaxLength(6);
    bar_ = new QScrollBar(Qt::Horizontal, this);
    bar_->setRange(0, 200);
    bar_->setSingleStep(1);
    bar_->setPageStep(10);
    magnitude_ = new QLabel(this);
    add_ = new QPushButton(QStringLiteral("Add =>"), this);
    addAll_ = new QPushButton(QStringLiteral("Add all =>>"), this);
    remove_ = new QPushButton(QStringLiteral("<= Remove"), this);
    removeAll_ = new QPushButton(QStringLiteral("<<= Remove all"), this);
    for (QPushButton* b : {add_, addAll_, remove_, removeAll_})
        b->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton* b : {add_, addAll_, remove_, removeAll_})
        middle->addWidget(b);
    middle->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("List of asteroids"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Displayed asteroids"), this), 0, 2);
    grid->addWidget(left_, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(right_, 1, 2);
    grid->addWidget(magnitude_, 2, 0, 1, 3);
    auto* limitRow = new QHBoxLayout;
    limitRow->addWidget(new QLabel(QStringLiteral("Maximum magnitude"), this));
    limitRow->addWidget(limitEdit_);
    limitRow->addWidget(bar_, 1);
    grid->addLayout(limitRow, 3, 0, 1, 3);
    grid->addWidget(buttons, 4, 0, 1, 3);

    // Opening: the limit with "%2.1lf", the bar at limit x 10, the filtered list, the selection.
    limitEdit_->setText(format("%2.1lf", limit_));
    bar_->setValue(int(std::lround(std::clamp(limit_ * 10, 0.0, 200.0))));
    filter();
    fillShown();

    connect(limitEdit_, &QLineEdit::textEdited, this, &TDialogAsteroides::limitTyped);
    connect(bar_, &QScrollBar::valueChanged, this, &TDialogAsteroides::barMoved);
    connect(left_, &QListWidget::itemSelectionChanged, this, &TDialogAsteroides::leftSelectionChanged);
    connect(add_, &QPushButton::clicked, this, &TDialogAsteroides::addSelected);
    connect(addAll_, &QPushButton::clicked, this, &TDialogAsteroides::addAll);
    connect(remove_, &QPushButton::clicked, this, &TDialogAsteroides::removeSelected);
    connect(removeAll_, &QPushButton::clicked, this, &TDialogAsteroides::removeAll);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDialogAsteroides::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDialogAsteroides::reject);
    resize(520, 420);
}

void TDialogAsteroides::filter() {
    left_->clear();
    rows_ = cometsBelowMagnitude(*xfer_.sys, limit_);
    for (int index : rows_)
        left_->addItem(nameOf(*xfer_.sys, index));
    magnitude_->clear();
}

void TDialogAsteroides::fillShown() {
    right_->clear();
    for (int index : selectedCometIndices(*xfer_.sys))
        right_->addItem(nameOf(*xfer_.sys, index));
}

void TDialogAsteroides::limitTyped(const QString& text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    char* end = nullptr;
    const double value = std::strtod(bytes.constData(), &end);
    // Only a number changes the limit; a text being typed ("", "-", "1e") waits for more.
    if (end == bytes.constData() || !std::isfinite(value)) return;
    limit_ = value;
    const QSignalBlocker block(bar_);
    bar_->setValue(int(std::lround(std::clamp(limit_ * 10, 0.0, 200.0))));
    filter();
}

void TDialogAsteroides::barMoved(int position) {
    limit_ = position * 0.1;
    limitEdit_->setText(format("%3.1lf  ", limit_));
    filter();
}

void TDialogAsteroides::leftSelectionChanged() {
    const QList<QListWidgetItem*> chosen = left_->selectedItems();
    if (chosen.size() != 1) {
        magnitude_->clear();
        return;
    }
    const int index = rows_[size_t(left_->row(chosen.front()))];
    char text[80];
    std::snprintf(text, sizeof text, "%s %s:%2.1lf", "Magnitude of", xfer_.sys->comets[index]->nom,
                  xfer_.sys->comets[index]->mag[0]);
    magnitude_->setText(gfx::fromWindows1252(text));
}

void TDialogAsteroides::addSelected() {
    for (int row = 0; row < left_->count(); ++row)
        if (left_->item(row)->isSelected() && addCometToSelection(*xfer_.sys, rows_[size_t(row)]))
            right_->addItem(nameOf(*xfer_.sys, rows_[size_t(row)]));
}

void TDialogAsteroides::addAll() {
    setCometSelection(*xfer_.sys, rows_);
    fillShown();
}

void TDialogAsteroides::removeSelected() {
    std::vector<int> positions;
    for (int row = 0; row < right_->count(); ++row)
        if (right_->item(row)->isSelected()) positions.push_back(row);
    removeFromCometSelection(*xfer_.sys, positions);
    fillShown();
}

void TDialogAsteroides::removeAll() {
    setCometSelection(*xfer_.sys, {});
    right_->clear();
}

void TDialogAsteroides::accept() {
    saveError_.clear();
    const bool limitSaved = writeCometMagLimit(xfer_.iniPath, limit_, &saveError_);
    xfer_.sys->cometMagLimit = limit_;
    writeCometSelection(resolveIniPath(xfer_.iniPath), *xfer_.sys, limitSaved ? &saveError_ : nullptr);
    QDialog::accept();
}

void TDialogAsteroides::reject() {
    left_->clear();
    right_->clear();
    setCometSelection(*xfer_.sys, before_);
    QDialog::reject();
}
