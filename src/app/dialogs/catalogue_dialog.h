// SPDX-License-Identifier: GPL-3.0-or-later
// TCatalogueDialog: the "Catalogs" dialog: which optional star and deep-sky catalogues and picture
// sets are used, and the drive of the Guide Star Catalog. Each choice changes the settings at
// once; closing the dialog writes the eight "Catalogue" keys.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "catalog/systeme.h"

class QCheckBox;
class QComboBox;

class TCatalogueDialog : public QDialog {
    Q_OBJECT
public:
    // `drives` lists the drive numbers offered (0 = a:); empty asks the star module which drives
    // map to a folder.
    TCatalogueDialog(CatalogueSettings& settings, std::string iniPath, std::vector<int> drives = {},
                     QWidget* parent = nullptr);

    // The check boxes in the order: Guide Star Catalog, magnitude 6, 7, 8, NGC, planet and Messier
    // pictures.
    QCheckBox* checkBox(int k) const { return boxes_[size_t(k)]; }
    QComboBox* driveList() const { return drives_; }
    const std::vector<int>& driveNumbers() const { return driveNumbers_; }

    void accept() override;
    void reject() override { accept(); }
    // Why the settings could not be written by OK ("" when they were).
    const std::string& saveError() const { return saveError_; }

private:
    CatalogueSettings& settings_;
    std::string iniPath_;
    std::string saveError_;
    std::array<QCheckBox*, 7> boxes_{};
    QComboBox* drives_;
    std::vector<int> driveNumbers_;
};
