// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalogue_dialog.h"

#include "catalog/settings.h"
#include "catalog/stars.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TCatalogueDialog::TCatalogueDialog(CatalogueSettings& settings, std::string iniPath, std::vector<int> drives,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), iniPath_(std::move(iniPath)), drives_(new QComboBox) {
    setWindowTitle(QStringLiteral("Catalogs"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Catalogues disponibles")));
    int32_t* fields[7] = {&settings_.useGsc,  &settings_.useStar6,          &settings_.useStar7,
                          &settings_.useStar8, &settings_.useNgc,           &settings_.usePlanetPictures,
                          &settings_.useMessierPictures};
    const char* texts[7] = {"Guide Star Catalog  (magnitude 16)", "Star catalog magnitude 6 to 7",
                            "Star catalog magnitude 7 to 8",      "Star catalog magnitude 8 to 9",
                            "NGC 2000",                           "Planet picture",
                            "Messier picture"};
    for (int k = 0; k < 7; ++k) {
        auto* box = new QCheckBox(QString::fromLatin1(texts[k]));
        box->setChecked(*fields[k] != 0);
        int32_t* field = fields[k];
        connect(box, &QCheckBox::toggled, this, [field](bool on) { *field = on ? 1 : 0; });
        boxes_[size_t(k)] = box;
        layout->addWidget(box);
        if (k == 0) {
            auto* row = new QHBoxLayout;
            row->addSpacing(24);
            row->addWidget(new QLabel(QStringLiteral("CD-ROM driver")));
            row->addWidget(drives_);
            row->addStretch();
            layout->addLayout(row);
        }
    }

    // Drives: those that map to a folder (see catalog/stars.h), and always the stored one.
    if (drives.empty())
        for (int d = 0; d < 26; ++d)
            if (!gscDriveDirectory(d).empty()) drives.push_back(d);
    bool storedListed = false;
    for (int d : drives) storedListed |= d == settings_.cdromDrive;
    if (!storedListed && settings_.cdromDrive >= 0 && settings_.cdromDrive < 26) {
        drives.push_back(settings_.cdromDrive);
        std::sort(drives.begin(), drives.end());
    }
    driveNumbers_ = drives;
    int selected = 0;
    for (size_t k = 0; k < drives.size(); ++k) {
        drives_->addItem(QString::asprintf("%c:", driveLetter(drives[k])));
        if (drives[k] == settings_.cdromDrive) selected = int(k);
    }
    drives_->setCurrentIndex(drives.empty() ? -1 : selected);
    connect(drives_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < int(driveNumbers_.size())) settings_.cdromDrive = driveNumbers_[size_t(index)];
    });

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void TCatalogueDialog::accept() {
    saveError_.clear();
    writeCatalogueSettings(iniPath_, settings_, &saveError_);
    QDialog::accept();
}
