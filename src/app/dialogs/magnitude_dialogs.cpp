// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/magnitude_dialogs.h"

#include "catalog/settings.h"
#include "gfx/parametre_affichage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

int magnitudeToPosition(double magnitude) { return int(std::lround(magnitude * 10 + 20)); }
double positionToMagnitude(int position) { return position * 0.1 - 2; }

namespace {
QScrollBar* magnitudeBar(int maximum, double magnitude) {
    auto* bar = new QScrollBar(Qt::Horizontal);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(magnitudeToPosition(magnitude));
    bar->setMinimumWidth(260);
    return bar;
}

QLineEdit* readOnlyField() {
    auto* f = new QLineEdit;
    f->setReadOnly(true);
    f->setMaximumWidth(70);
    return f;
}

QLabel* depthNote() {
    auto* note = new QLabel(QString::fromLatin1(kStarDepthNote));
    note->setObjectName(QStringLiteral("depthNote"));
    note->setWordWrap(true);
    return note;
}

QDialogButtonBox* okButton(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return buttons;
}
} // namespace

TDialogMagnitude::TDialogMagnitude(ParametreAffichage& options, std::string iniPath, QWidget* parent)
    : QDialog(parent), options_(options), iniPath_(std::move(iniPath)), bar_(magnitudeBar(110, options.starMagnitude)),
      field_(readOnlyField()), auto_(new QCheckBox(QStringLiteral("Automatic mode"))) {
    setWindowTitle(QStringLiteral("Magnitude"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Display stars until magnitude :")));
    auto* row = new QHBoxLayout;
    row->addWidget(bar_);
    row->addWidget(field_);
    layout->addLayout(row);
    layout->addWidget(depthNote());
    layout->addWidget(auto_);
    layout->addWidget(okButton(this));
    field_->setText(QString::asprintf("%3.1lf  ", options_.starMagnitude));
    auto_->setChecked(options_.autoMagnitude);
    // In automatic mode the map chooses the limit, so the chosen magnitude cannot be edited.
    const auto showMode = [this](bool automatic) {
        bar_->setEnabled(!automatic);
        field_->setEnabled(!automatic);
    };
    showMode(options_.autoMagnitude);
    connect(auto_, &QCheckBox::toggled, this, showMode);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int position) {
        options_.starMagnitude = positionToMagnitude(position);
        field_->setText(QString::asprintf("%3.1lf  ", options_.starMagnitude));
    });
    connect(auto_, &QCheckBox::toggled, this, [this](bool on) { options_.autoMagnitude = on; });
}

void TDialogMagnitude::accept() {
    saveError_.clear();
    writeMagnitudeSettings(iniPath_, options_.starMagnitude, options_.autoMagnitude, &saveError_);
    QDialog::accept();
}

TDialogCatalogueMagnitude::TDialogCatalogueMagnitude(ParametreAffichage& options, std::string iniPath,
                                                     QWidget* parent)
    : QDialog(parent), options_(options), iniPath_(std::move(iniPath)),
      star_(magnitudeBar(110, options.starMagnitude)), gscMin_(magnitudeBar(180, options.gscMinMagnitude)),
      gscMax_(magnitudeBar(180, options.gscMaxMagnitude)), starField_(readOnlyField()),
      gscMinField_(readOnlyField()), gscMaxField_(readOnlyField()),
      auto_(new QCheckBox(QStringLiteral("Automatic mode"))) {
    setWindowTitle(QStringLiteral("Magnitude"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Star magnitude")));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Magnitude for Bright Star :")), 0, 0);
    grid->addWidget(star_, 0, 1);
    grid->addWidget(starField_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Min magnitude for GSC :")), 1, 0);
    grid->addWidget(gscMin_, 1, 1);
    grid->addWidget(gscMinField_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Max magnitude for GSC :")), 2, 0);
    grid->addWidget(gscMax_, 2, 1);
    grid->addWidget(gscMaxField_, 2, 2);
    layout->addLayout(grid);
    layout->addWidget(depthNote());
    layout->addWidget(auto_);
    layout->addWidget(okButton(this));
    show(starField_, options_.starMagnitude);
    show(gscMinField_, options_.gscMinMagnitude);
    show(gscMaxField_, options_.gscMaxMagnitude);
    auto_->setChecked(options_.autoMagnitude);
    const auto showMode = [this](bool automatic) {
        star_->setEnabled(!automatic);
        starField_->setEnabled(!automatic);
    };
    showMode(options_.autoMagnitude);
    connect(auto_, &QCheckBox::toggled, this, showMode);
    connect(star_, &QScrollBar::valueChanged, this, [this](int p) {
        options_.starMagnitude = positionToMagnitude(p);
        show(starField_, options_.starMagnitude);
    });
    // The brightest catalogue magnitude never passes the faintest: moving one past the other
    // takes the other along.
    connect(gscMin_, &QScrollBar::valueChanged, this, [this](int p) {
        options_.gscMinMagnitude = positionToMagnitude(p);
        show(gscMinField_, options_.gscMinMagnitude);
        if (gscMax_->value() > p) gscMax_->setValue(p);
    });
    connect(gscMax_, &QScrollBar::valueChanged, this, [this](int p) {
        options_.gscMaxMagnitude = positionToMagnitude(p);
        show(gscMaxField_, options_.gscMaxMagnitude);
        if (gscMin_->value() < p) gscMin_->setValue(p);
    });
    connect(auto_, &QCheckBox::toggled, this, [this](bool on) { options_.autoMagnitude = on; });
}

void TDialogCatalogueMagnitude::show(QLineEdit* field, double magnitude) {
    field->setText(QString::asprintf("%3.2lf  ", magnitude));
}

void TDialogCatalogueMagnitude::accept() {
    DisplaySettings s;
    s.iconSize = options_.iconSize;
    s.starMagnitude = options_.starMagnitude;
    s.autoMagnitude = options_.autoMagnitude;
    s.gscMaxMagnitude = options_.gscMaxMagnitude;
    s.gscMinMagnitude = options_.gscMinMagnitude;
    saveError_.clear();
    writeCatalogueMagnitudeSettings(iniPath_, s, &saveError_);
    QDialog::accept();
}
