#include <QFontDatabase>

#include "core/ListData.h"
#include "window/screen/ScreenControls.h"
#include "window/screen/Twips.h"

// The design of the mapping screen: every control with its place (in twips, within its
// container), caption and settings. Only the controls that code moves or reads by position have
// fixed numbers elsewhere; the rest is laid out here so that rows line up and nothing overlaps.

namespace esoa {
namespace {

constexpr int kRowHeight = 315;     // text boxes
constexpr int kButtonHeight = 345;  // buttons beside text boxes
constexpr int kLabelHeight = 255;

QFont designFont(const QString& family, double points, bool semibold = false, bool underline = false) {
    QFont font = QFontDatabase::families().contains(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(points);
    if (semibold) font.setWeight(QFont::DemiBold);
    font.setUnderline(underline);
    return font;
}

void place(QWidget* widget, int left, int top, int width, int height) {
    const QWidget* ref = widget->window();
    widget->setGeometry(TwipsToPx(left, ref), TwipsToPx(top, ref), TwipsToPx(width, ref),
                        TwipsToPx(height, ref));
}

template <typename W>
W* make(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    place(widget, left, top, width, height);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
              Qt::Alignment align = Qt::AlignRight, int height = kLabelHeight) {
    auto* l = make<QLabel>(parent, name, left, top, width, height);
    l->setText(caption);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QLabel* heading(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                Qt::Alignment align, int height = kLabelHeight) {
    QLabel* l = label(parent, name, caption, left, top, width, align, height);
    l->setFont(designFont(QStringLiteral("Segoe UI Semibold"), 8.25, true, true));
    return l;
}

QLabel* hiddenLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    QLabel* l = label(parent, name, caption, left, top, 1400, Qt::AlignLeft);
    l->hide();
    return l;
}

QLineEdit* textBox(QWidget* parent, const char* name, int left, int top, int width, bool locked = false,
                   bool grey = false) {
    auto* box = make<QLineEdit>(parent, name, left, top, width, kRowHeight);
    box->setReadOnly(locked);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, grey ? p.color(QPalette::Button) : QColor(Qt::white));
    box->setPalette(p);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height = kButtonHeight) {
    auto* b = make<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width) {
    auto* o = make<QRadioButton>(parent, name, left, top, width, kLabelHeight + 30);
    o->setText(caption);
    return o;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                 int height) {
    auto* f = make<QGroupBox>(parent, name, left, top, width, height);
    f->setTitle(caption);
    return f;
}

FlexGrid* grid(QWidget* parent, const char* name, int left, int top, int width, int height) {
    return make<FlexGrid>(parent, name, left, top, width, height);
}

// Top band: the list choice and the categories.
void placeListChoice(QWidget* form, ScreenControls& c) {
    c.Frame3 = frame(form, "Frame3", QStringLiteral("1. Select Type"), 120, 240, 2895, 2175);
    c.optTable = new OptionGroup(form);
    c.optTable->setObjectName(QStringLiteral("optTable"));
    for (const ReferenceList& list : ReferenceList::All()) {
        const QByteArray name = "optTable_" + QByteArray::number(list.option);
        c.optTable->add(option(c.Frame3, name.constData(), list.caption, 240, 420 + 360 * list.option, 2500));
    }
    const ReferenceList first = ReferenceList::Item();
    c.optTable->option(first.option)->setChecked(true);
    c.lblTableName = hiddenLabel(c.Frame3, "lblTableName", first.table, 240, 1200);
    c.lblESOATableName = label(c.Frame3, "lblESOATableName", first.table, 240, 1680, 2500, Qt::AlignLeft);
    c.lblESOATableName->setTextFormat(Qt::PlainText);

    c.Label4 = label(form, "Label4", QStringLiteral("2. Select Category of Department"), 3120, 80, 5055,
                     Qt::AlignLeft);
    c.GridCat = grid(form, "GridCat", 3120, 360, 5055, 2055);
}

// Top band: the link being made.
void placeLinkFrame(QWidget* form, ScreenControls& c) {
    c.Frame2 = frame(form, "Frame2", QStringLiteral("4. Search and Link ZEMORA Item/Procedure and Save"),
                     8280, 240, 7575, 2175);
    // Five rows under the frame's caption, a label column wide enough for "ZEMORA Item" in a
    // fallback font wider than the design font, and the save button clear of the RevID row.
    QWidget* f2 = c.Frame2;
    constexpr int kRows[] = {285, 645, 1005, 1365, 1725};
    constexpr int kLabelLeft = 60, kLabelWidth = 1140, kBoxLeft = 1260, kSecondLeft = 2700;
    c.Label9 = label(f2, "Label9", QStringLiteral("PHIC Item"), kLabelLeft, kRows[0] + 15, kLabelWidth);
    c.txtESOACode = textBox(f2, "txtESOACode", kBoxLeft, kRows[0], 1380, true, true);
    c.txtESOADesc = textBox(f2, "txtESOADesc", kSecondLeft, kRows[0], 4020, true, true);
    c.cmdUse = button(f2, "cmdUse", QStringLiteral("use"), 6780, kRows[0], 680, kRowHeight);
    c.txtFixedFee = textBox(f2, "txtFixedFee", kBoxLeft, kRows[1], 1380, true, true);
    c.txtChargingUnit = textBox(f2, "txtChargingUnit", kSecondLeft, kRows[1], 2400, true, true);
    c.Label10 = label(f2, "Label10", QStringLiteral("ZEMORA Item"), kLabelLeft, kRows[2] + 15, kLabelWidth);
    c.txtZEMORAItemID = textBox(f2, "txtZEMORAItemID", kBoxLeft, kRows[2], 1380, true, true);
    c.txtZEMORAitemDesc = textBox(f2, "txtZEMORAitemDesc", kSecondLeft, kRows[2], 4760, true, true);
    c.Label5 = label(f2, "Label5", QStringLiteral("Type"), kLabelLeft, kRows[3] + 15, kLabelWidth);
    c.txtType = textBox(f2, "txtType", kBoxLeft, kRows[3], 700, true, false);
    c.txtType->setText(QStringLiteral("INV"));
    c.optInventory = new OptionGroup(form);
    c.optInventory->setObjectName(QStringLiteral("optInventory"));
    c.optInventory->add(option(f2, "optInventory_0", QStringLiteral("Inventory"), 2040, kRows[3] + 15, 1200));
    c.optInventory->add(option(f2, "optInventory_1", QStringLiteral("Procedure"), 3300, kRows[3] + 15, 1260));
    c.Label2 = label(f2, "Label2", QStringLiteral("RevID"), 4620, kRows[3] + 15, 540);
    c.txtRevID = textBox(f2, "txtRevID", 5220, kRows[3], 900);
    c.lblS = label(f2, "lblS", QStringLiteral("SectionID"), kLabelLeft, kRows[4] + 15, kLabelWidth);
    c.txtSectionID = textBox(f2, "txtSectionID", kBoxLeft, kRows[4], 900);
    c.cmdEdit = button(f2, "cmdEdit", QStringLiteral("5. Sa&ve Mapping"), 5520, 1710, 1940, 390);
}

// Top band: the maintenance link and panel, the hidden labels of the exam table, the revenues.
void placeMaintenanceAndRevenues(QWidget* form, ScreenControls& c) {
    c.lblMaint = new LinkLabel(QStringLiteral("Maintenance..."), form);
    c.lblMaint->setObjectName(QStringLiteral("lblMaint"));
    place(c.lblMaint, 15960, 0, 1455, 240);
    c.lblMaint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Beside "Maintenance...", in the free strip over the link frame. The pointer that asks for the
    // tables covers it, but without the tables there is nothing to count.
    c.lblCoverage = new LinkLabel(QStringLiteral("Coverage..."), form);
    c.lblCoverage->setObjectName(QStringLiteral("lblCoverage"));
    place(c.lblCoverage, 14400, 0, 1455, 240);
    c.lblCoverage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.lblHistory = new LinkLabel(QStringLiteral("History..."), form);
    c.lblHistory->setObjectName(QStringLiteral("lblHistory"));
    place(c.lblHistory, 12840, 0, 1455, 240);
    c.lblHistory->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Two columns of three buttons: the frame ends above "Map ALL Listed", which it would cover.
    c.fraMaint = frame(form, "fraMaint", QStringLiteral("Maintenance"), 15960, 240, 3750, 1950);
    c.cmdCreateTable =
        button(c.fraMaint, "cmdCreateTable", QStringLiteral("a. Create Tables"), 120, 300, 1695, 450);
    c.cmdScan = button(c.fraMaint, "cmdScan", QStringLiteral("b. Scan && Import"), 120, 840, 1695, 450);
    c.cmdPreviewChanges =
        button(c.fraMaint, "cmdPreviewChanges", QStringLiteral("Preview changes"), 120, 1380, 1695, 450);
    c.cmdApplyChanges =
        button(c.fraMaint, "cmdApplyChanges", QStringLiteral("Apply changes..."), 1935, 300, 1695, 450);
    c.cmdCheckLinks =
        button(c.fraMaint, "cmdCheckLinks", QStringLiteral("Check links"), 1935, 840, 1695, 450);
    c.cmdExportLinks =
        button(c.fraMaint, "cmdExportLinks", QStringLiteral("Export links..."), 1935, 1380, 1695, 450);
    c.fraMaint->setAutoFillBackground(true);  // opens over GridRev: opaque, as a frame is
    c.fraMaint->hide();
    c.lblTable = hiddenLabel(form, "lblTable", QString(), 15960, 1740);
    c.lblExamFieldName = hiddenLabel(form, "lblExamFieldName", QString(), 15960, 2000);
    c.lblIDFieldName = hiddenLabel(form, "lblIDFieldName", QString(), 15960, 2260);
    c.cmdClose = button(form, "cmdClose", QStringLiteral("Close"), 15960, 1740, 1200);
    c.cmdClose->hide();

    // Ends where GridRev begins.
    c.Label11 =
        heading(form, "Label11", QStringLiteral("Revenue Codes"), 17520, 0, 4095, Qt::AlignHCenter, 240);
    c.GridRev = grid(form, "GridRev", 17520, 240, 4095, 3195);
    c.GridRevCode = grid(form, "GridRevCode", 17520, 3480, 4095, 7755);
}

// Middle band: the PhilHealth list on the left, hospital items in the centre.
void placeLists(QWidget* form, ScreenControls& c) {
    c.Label1 = label(form, "Label1", QStringLiteral("Category"), 120, 2570, 780);
    c.txtAreaCat = textBox(form, "txtAreaCat", 960, 2540, 2040);
    // Centred over the PhilHealth list (120 to 8175), clear of the category box.
    c.Label7 =
        heading(form, "Label7", QStringLiteral("3. Philhealth Table"), 3060, 2570, 2175, Qt::AlignHCenter);
    c.Label6 = label(form, "Label6", QStringLiteral("S&earch"), 120, 2970, 780);
    c.txtSOADesc = textBox(form, "txtSOADesc", 960, 2940, 3480);
    c.cmdSearchSOAItem = button(form, "cmdSearchSOAItem", QStringLiteral("Sea&rch"), 4500, 2925, 1200);
    // Over the search row's end rather than on it: the step pointer of step 3 lies there.
    c.chkUnlinked = make<QCheckBox>(form, "chkUnlinked", 5820, 2555, 1800, kLabelHeight + 30);
    c.chkUnlinked->setText(QStringLiteral("Unlinked only"));
    c.Grid1 = grid(form, "Grid1", 120, 3480, 8055, 7755);

    c.lblG = label(form, "lblG", QStringLiteral("&Generic"), 8280, 2570, 700);
    c.txtGeneric = textBox(form, "txtGeneric", 9060, 2540, 2440);
    // Centred over the hospital item list (8280 to 17415).
    c.Label12 = heading(form, "Label12", QStringLiteral("ZEMORA Table"), 11600, 2570, 2495, Qt::AlignHCenter);
    c.cmdMapAll = button(form, "cmdMapAll", QStringLiteral("Map ALL Listed"), 15600, 2440, 1815, 320);
    c.Label3 = label(form, "Label3", QStringLiteral("S&earch"), 8280, 2970, 700);
    c.txtDesc = textBox(form, "txtDesc", 9060, 2940, 4020);
    c.cmdPreview = button(form, "cmdPreview", QStringLiteral("&Search"), 13140, 2925, 1200);
    // In the row of "Map ALL Listed": right of "&Search" the step pointer of the search lies.
    c.cmdSuggest = button(form, "cmdSuggest", QStringLiteral("Suggest"), 14400, 2440, 1140, 320);
    c.Grid2 = grid(form, "Grid2", 8280, 3480, 9135, 7755);
}

// Bottom band: the links of the current code.
void placeMappingList(QWidget* form, ScreenControls& c) {
    c.Label8 = heading(form, "Label8", QStringLiteral("Mapping"), 120, 11330, 900, Qt::AlignLeft);
    c.cmdDelete = button(form, "cmdDelete", QStringLiteral("Delete map"), 1100, 11265, 1400);
    c.GridMap = grid(form, "GridMap", 120, 11640, 21495, 2595);
    // The delete acts on this list's current row: only a row the user picked may be current.
    c.GridMap->setCurrentRowAfterFill(false);
    c.GridMap->setRow(0);
}

}  // namespace

ScreenControls BuildScreenControls(QWidget* form) {
    form->setFont(designFont(QStringLiteral("Segoe UI"), 8.25));
    ScreenControls c{};
    // In this order: a control made later lies over those made before it.
    placeListChoice(form, c);
    placeLinkFrame(form, c);
    placeMaintenanceAndRevenues(form, c);
    placeLists(form, c);
    placeMappingList(form, c);

    // Access keys of the labels move to the box beside them.
    c.Label6->setBuddy(c.txtSOADesc);
    c.Label3->setBuddy(c.txtDesc);
    c.lblG->setBuddy(c.txtGeneric);

    // The step pointer floats over everything else.
    c.cmdInst = button(form, "cmdInst", QStringLiteral("<---Select"), 6120, 11880, 2535, 495);
    c.cmdInst->setFont(designFont(QStringLiteral("Segoe UI Semibold"), 9, true));
    c.cmdInst->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(255, 255, 192); color: black; "
                       "border: 1px solid rgb(160, 160, 96); border-radius: 2px; padding: 0px 6px; }"));
    c.fraMaint->raise();
    c.cmdInst->raise();
    return c;
}

}  // namespace esoa
