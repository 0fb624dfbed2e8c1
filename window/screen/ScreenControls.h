#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "window/screen/FlexGrid.h"
#include "window/screen/LinkLabel.h"
#include "window/screen/OptionGroup.h"

namespace esoa {

// Every control of the mapping screen, by its name. The controls are the screen's shared state:
// the routines of every subsystem read and write them (hidden labels serve only as variables).
// The widgets belong to the form; this struct only points at them.
struct ScreenControls {
    QPushButton* cmdInst;
    QPushButton* cmdMapAll;
    QLineEdit* txtGeneric;
    QGroupBox* fraMaint;
    QPushButton* cmdCreateTable;
    QPushButton* cmdScan;
    QPushButton* cmdDelete;
    QPushButton* cmdPreview;
    QLineEdit* txtDesc;
    FlexGrid* GridCat;
    QGroupBox* Frame3;
    OptionGroup* optTable;
    QLabel* lblTableName;
    QLabel* lblESOATableName;
    QLineEdit* txtAreaCat;
    QLineEdit* txtSOADesc;
    QPushButton* cmdSearchSOAItem;
    QGroupBox* Frame2;
    QLineEdit* txtChargingUnit;
    QLineEdit* txtFixedFee;
    QLineEdit* txtESOACode;
    QLineEdit* txtESOADesc;
    QLineEdit* txtZEMORAItemID;
    QPushButton* cmdUse;
    QLineEdit* txtSectionID;
    OptionGroup* optInventory;
    QLineEdit* txtType;
    QLineEdit* txtRevID;
    QPushButton* cmdEdit;
    QLineEdit* txtZEMORAitemDesc;
    QLabel* lblS;
    QLabel* Label5;
    QLabel* Label10;
    QLabel* Label9;
    QLabel* Label2;
    QPushButton* cmdClose;
    FlexGrid* GridRev;
    FlexGrid* GridRevCode;
    FlexGrid* Grid1;
    FlexGrid* Grid2;
    FlexGrid* GridMap;
    QLabel* Label12;
    QLabel* lblG;
    QLabel* Label11;
    QLabel* Label8;
    QLabel* Label3;
    QLabel* lblTable;
    QLabel* lblExamFieldName;
    QLabel* lblIDFieldName;
    QLabel* Label4;
    QLabel* Label7;
    LinkLabel* lblMaint;
    QLabel* Label6;
    QLabel* Label1;
    // The list updates, in the maintenance frame's second column.
    QPushButton* cmdPreviewChanges;
    QPushButton* cmdApplyChanges;
    QPushButton* cmdCheckLinks;
    QPushButton* cmdExportLinks;
    // Mapping assistance: ranked hospital items, the codes still to map, and how far the mapping has come.
    QPushButton* cmdSuggest;
    QCheckBox* chkUnlinked;
    LinkLabel* lblCoverage;
    // The history of the link writes, with their undo.
    LinkLabel* lblHistory;
};

// Creates every control on `form` at its design place, with its design caption, text and settings.
ScreenControls BuildScreenControls(QWidget* form);

}  // namespace esoa
