#include "perf/EngineerPageLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>

#include "config/SettingsModel.h"
#include "ui/NumericEdit.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

constexpr int kPageMargin = 8;
constexpr int kEditWidth = 44;
constexpr int kRgbEditWidth = 34;

// --- single controls

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QComboBox* NewCombo(QWidget* parent, const QString& name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return combo;
}

TIntEdit* NewEdit(QWidget* parent, const QString& name, int width = kEditWidth)
{
    auto* edit = new TIntEdit(name, parent);
    edit->setFixedWidth(width);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QRadioButton* NewRadio(QWidget* parent, const QString& name)
{
    auto* radio = new QRadioButton(parent);
    radio->setObjectName(name);
    return radio;
}

QCheckBox* NewCheck(QWidget* parent, const QString& name)
{
    auto* check = new QCheckBox(parent);
    check->setObjectName(name);
    return check;
}

QPushButton* NewButton(QWidget* parent, const QString& name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QGroupBox* NewGroup(QWidget* parent, const QString& name)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(name);
    return group;
}

QGridLayout* NewGrid(QGroupBox* group)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    return grid;
}

// A group holding one radio pair. The pair is alone in its group box, so
// the two buttons exclude each other and nothing else.
QGroupBox* NewRadioPairGroup(QWidget* parent, const char* groupName, const char* firstName,
                             const char* secondName)
{
    QGroupBox* group = NewGroup(parent, QString::fromLatin1(groupName));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(NewRadio(group, QString::fromLatin1(firstName)));
    row->addWidget(NewRadio(group, QString::fromLatin1(secondName)));
    return group;
}

void AddRow(QGridLayout* grid, int row, QWidget* label, QWidget* field)
{
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

// The mark Img_Result: a green disc with a white tick, drawn here so the
// plain page needs no skin picture.
QPixmap ResultMarkPixmap()
{
    constexpr int kSize = 20;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 160, 70));
    painter.drawEllipse(QRectF(1, 1, kSize - 2, kSize - 2));
    QPainterPath tick;
    tick.moveTo(5.5, 10.5);
    tick.lineTo(8.5, 13.5);
    tick.lineTo(14.5, 6.5);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    return pixmap;
}

// --- groups of the operator tab

QGroupBox* KeyRowGroup(QWidget* parent, int mode)
{
    QGroupBox* group = NewGroup(parent, Numbered("gbKeyMode%1", mode));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(4);
    for (int button = 1; button <= 9; ++button) {
        QPushButton* key = NewButton(group, Numbered("btn_Key%1", mode * 100 + button));
        key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        row->addWidget(key);
    }
    return group;
}

QGroupBox* CpiGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbCPI"));
    QGridLayout* grid = NewGrid(group);
    AddRow(grid, 0, NewLabel(group, QStringLiteral("lbl_CPIStep")), NewCombo(group, QStringLiteral("cb_CPIStep")));
    AddRow(grid, 1, NewLabel(group, QStringLiteral("lbl_CurrentCPI")),
           NewCombo(group, QStringLiteral("cb_CurrentCPI")));
    for (int level = 1; level <= kCpiLevelSlots; ++level)
        AddRow(grid, level + 1, NewLabel(group, Numbered("lbl_CPI%1", level)),
               NewCombo(group, Numbered("cb_CPI%1", level)));
    AddRow(grid, kCpiLevelSlots + 2, NewLabel(group, QStringLiteral("lbl_TLAIMKey")),
           NewCombo(group, QStringLiteral("cb_AIMKeyValue")));
    return group;
}

QGroupBox* FireModeGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbFireMode"));
    QGridLayout* grid = NewGrid(group);
    AddRow(grid, 0, NewLabel(group, QStringLiteral("lbl_FireCount")), NewCombo(group, QStringLiteral("cb_FireCount")));
    auto* time = new QHBoxLayout;
    time->addWidget(NewEdit(group, QStringLiteral("edt_FireTime")));
    time->addWidget(NewLabel(group, QStringLiteral("lbl_FireTimeUnit"), QStringLiteral("(*8ms)")));
    time->addStretch();
    grid->addWidget(NewLabel(group, QStringLiteral("lbl_FireTime")), 1, 0);
    grid->addLayout(time, 1, 1);
    return group;
}

QWidget* KeyModeAndSensorFields(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(2);
    AddRow(grid, 0, NewLabel(box, QStringLiteral("lbl_KeyMode")), NewCombo(box, QStringLiteral("cb_KeyMode")));
    AddRow(grid, 1, NewLabel(box, QStringLiteral("lbl_SensorOri")), NewCombo(box, QStringLiteral("cb_SensorOri")));
    return box;
}

QGroupBox* SwitchFnGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbSwitchFn"));
    QGridLayout* grid = NewGrid(group);
    grid->addWidget(NewCheck(group, QStringLiteral("cb_MidPress")), 0, 0);
    grid->addWidget(NewCheck(group, QStringLiteral("cb_CPIPress")), 1, 0);
    grid->addWidget(NewCheck(group, QStringLiteral("cb_GunPress")), 2, 0);
    return group;
}

QGroupBox* NorLedSettingGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbNorLEDSetting"));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(NewLabel(group, QStringLiteral("lbl_NorLEDStep")));
    row->addWidget(NewEdit(group, QStringLiteral("edt_NorLEDStep")));
    row->addWidget(NewLabel(group, QStringLiteral("lbl_NorLEDStepUnit"), QStringLiteral("(*1ms)")));
    row->addStretch();
    return group;
}

QGroupBox* NorLedCpiColourGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbNorLEDCPIColor"));
    QGridLayout* grid = NewGrid(group);
    for (int level = 1; level <= kCpiLevelSlots; ++level)
        AddRow(grid, level - 1, NewLabel(group, Numbered("lbl_CPI%1Color", level), Numbered("CPI%1:", level)),
               NewCombo(group, Numbered("cb_CPI%1Color", level)));
    return group;
}

QGroupBox* McuLedCurrentGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbMCULEDCurrent"));
    QGridLayout* grid = NewGrid(group);
    auto* count = NewEdit(group, QStringLiteral("edt_MCULEDNum"));
    auto* step = NewEdit(group, QStringLiteral("edt_MCULEDCrtStep"));
    grid->addWidget(NewLabel(group, QStringLiteral("lbl_MCULEDNum")), 0, 0);
    grid->addWidget(count, 0, 1, Qt::AlignLeft);
    AddRow(grid, 1, NewLabel(group, QStringLiteral("lbl_MCULEDCrtMode")),
           NewCombo(group, QStringLiteral("cb_MCULEDCurrentMode")));
    grid->addWidget(NewLabel(group, QStringLiteral("lbl_MCULEDCrtStep")), 2, 0);
    grid->addWidget(step, 2, 1, Qt::AlignLeft);
    return group;
}

QGroupBox* McuLedModeGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbMCULEDMode"));
    QGridLayout* grid = NewGrid(group);
    for (int mode = 1; mode <= kMcuLedModeCount; ++mode)
        grid->addWidget(NewCheck(group, Numbered("cb_Mode%1", mode)), (mode - 1) / 2, (mode - 1) % 2);
    return group;
}

QGroupBox* McuLedCpiColourGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbMCULEDCPIColor"));
    QGridLayout* grid = NewGrid(group);
    for (int level = 1; level <= kCpiLevelSlots; ++level) {
        const int row = level - 1;
        grid->addWidget(NewLabel(group, Numbered("lbl_CPI%1R", level), Numbered("CPI%1 R:", level)), row, 0);
        grid->addWidget(NewEdit(group, Numbered("edt_CPI%1R", level), kRgbEditWidth), row, 1);
        grid->addWidget(NewLabel(group, Numbered("lbl_CPI%1G", level), QStringLiteral("G:")), row, 2);
        grid->addWidget(NewEdit(group, Numbered("edt_CPI%1G", level), kRgbEditWidth), row, 3);
        grid->addWidget(NewLabel(group, Numbered("lbl_CPI%1B", level), QStringLiteral("B:")), row, 4);
        grid->addWidget(NewEdit(group, Numbered("edt_CPI%1B", level), kRgbEditWidth), row, 5);
    }
    return group;
}

QGroupBox* KeyModeColourGroup(QWidget* parent)
{
    QGroupBox* group = NewGroup(parent, QStringLiteral("gbKeyModeColor"));
    QGridLayout* grid = NewGrid(group);
    const char* components[] = {"R", "G", "B"};
    for (int mode = 1; mode <= 2; ++mode) {
        for (int row = 0; row < 3; ++row) {
            const QString suffix = QString::number(mode) + QLatin1String(components[row]);
            grid->addWidget(NewLabel(group, QStringLiteral("lbl_KeyMode") + suffix), row, (mode - 1) * 2);
            grid->addWidget(NewEdit(group, QStringLiteral("edt_KeyMode") + suffix, kRgbEditWidth), row,
                            (mode - 1) * 2 + 1);
        }
    }
    return group;
}

QVBoxLayout* NewColumn(QHBoxLayout* columns)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    columns->addLayout(column, 1);
    return column;
}

QWidget* OperatorTab(QWidget* parent)
{
    auto* tab = new QWidget(parent);
    tab->setObjectName(QStringLiteral("ts_Operator"));
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    layout->addWidget(KeyRowGroup(tab, 1));
    layout->addWidget(KeyRowGroup(tab, 2));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    layout->addLayout(columns, 1);

    QVBoxLayout* cpi = NewColumn(columns);
    cpi->addWidget(CpiGroup(tab));
    cpi->addWidget(FireModeGroup(tab));
    cpi->addStretch();

    QVBoxLayout* options = NewColumn(columns);
    options->addWidget(NewRadioPairGroup(tab, "gbLEDType", "rb_NorLED", "rb_MCULED"));
    options->addWidget(NewRadioPairGroup(tab, "gbLEDStatus", "rb_LEDOn", "rb_LEDOff"));
    options->addWidget(NewRadioPairGroup(tab, "gbMCPI", "rb_MCPIOn", "rb_MCPIOff"));
    options->addWidget(NewRadioPairGroup(tab, "gbLCPI", "rb_LCPIOn", "rb_LCPIOff"));
    options->addWidget(NewRadioPairGroup(tab, "gbFireFn", "rb_FireFnOn", "rb_FireFnOff"));
    options->addWidget(NewRadioPairGroup(tab, "gbSaveKeyMode", "rb_Save", "rb_NoSave"));
    options->addWidget(KeyModeAndSensorFields(tab));
    options->addStretch();

    QVBoxLayout* simpleLed = NewColumn(columns);
    simpleLed->addWidget(NewRadioPairGroup(tab, "gbNorLEDMode", "rb_NorLEDCPI", "rb_NorLEDCustom"));
    simpleLed->addWidget(NorLedSettingGroup(tab));
    simpleLed->addWidget(NorLedCpiColourGroup(tab));
    simpleLed->addStretch();

    QVBoxLayout* controllerLed = NewColumn(columns);
    controllerLed->addWidget(
        NewRadioPairGroup(tab, "gbMCULEDControlMode", "rb_MCULED3Control", "rb_MCULED6Control"));
    controllerLed->addWidget(McuLedCurrentGroup(tab));
    controllerLed->addWidget(McuLedModeGroup(tab));
    controllerLed->addWidget(SwitchFnGroup(tab));
    controllerLed->addStretch();

    QVBoxLayout* colours = NewColumn(columns);
    colours->addWidget(McuLedCpiColourGroup(tab));
    colours->addWidget(KeyModeColourGroup(tab));
    colours->addStretch();
    return tab;
}

// --- the engineer tab

QWidget* EngineerTab(QWidget* parent)
{
    auto* tab = new QWidget(parent);
    tab->setObjectName(QStringLiteral("ts_Engineer"));
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    // What will be written (left) beside what the mouse reported (right).
    AddRow(grid, 0, NewLabel(tab, QStringLiteral("lbl_VendorID")), NewEdit(tab, QStringLiteral("edt_VendorID")));
    AddRow(grid, 1, NewLabel(tab, QStringLiteral("lbl_ProductID")), NewEdit(tab, QStringLiteral("edt_ProductID")));
    auto* divider = new QFrame(tab);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    grid->addWidget(divider, 0, 2, 2, 1);
    for (const auto& [row, labelName, editName] :
         {std::tuple{0, "lbl_VendorID_Rd", "edt_VendorID_Rd"}, std::tuple{1, "lbl_ProductID_Rd", "edt_ProductID_Rd"}}) {
        grid->addWidget(NewLabel(tab, QString::fromLatin1(labelName)), row, 3);
        TIntEdit* readBack = NewEdit(tab, QString::fromLatin1(editName));
        readBack->setReadOnly(true);
        grid->addWidget(readBack, row, 4);
    }
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
    return tab;
}

// --- page frame

QHBoxLayout* ButtonRow(QWidget* page)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kPageMargin, 0, kPageMargin, 0);
    row->setSpacing(4);
    for (const char* name : {"Btn_Main_6", "Btn_Switch_6", "Btn_Adv_6", "Btn_Breath_6", "Btn_Macro_6",
                             "Btn_Engineer_6"})
        row->addWidget(NewButton(page, QString::fromLatin1(name)));
    row->addStretch();
    for (const char* name : {"Btn_Load_6", "Btn_Save_6", "btn_TestKeys", "Btn_ImportBaseMacro"})
        row->addWidget(NewButton(page, QString::fromLatin1(name)));
    return row;
}

// The buttons that write to the mouse, on the tab row beside the tabs.
QWidget* WriteButtons(QWidget* page, int rowHeight)
{
    auto* corner = new QWidget(page);
    auto* row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QLabel* result = NewLabel(corner, QStringLiteral("Img_Result"));
    result->setPixmap(ResultMarkPixmap());
    result->hide();
    row->addWidget(result);
    QPushButton* defaults = NewButton(corner, QStringLiteral("Btn_Default"));
    defaults->hide();
    row->addWidget(defaults);
    row->addWidget(NewButton(corner, QStringLiteral("btn_Write")));
    for (QPushButton* button : corner->findChildren<QPushButton*>())
        button->setFixedHeight(rowHeight - 2);
    return corner;
}

QHBoxLayout* HintRow(QWidget* page)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kPageMargin, 0, kPageMargin, 4);
    QLabel* notes = NewLabel(page, QStringLiteral("lbl_Notes"));
    notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(notes, 0, Qt::AlignTop);
    QLabel* content = NewLabel(page, QStringLiteral("lbl_Content"));
    content->setWordWrap(true);
    content->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for a two-line hint, so the page does not jump while hovering.
    content->setMinimumHeight(2 * content->fontMetrics().lineSpacing());
    row->addWidget(content, 1);
    return row;
}

}  // namespace

void BuildEngineerPageControls(QWidget* page)
{
    auto* root = new QVBoxLayout(page);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(5);

    auto* logo = new SkinPicture(QStringLiteral("Img_Logo4"), page);
    logo->SetPicture(QStringLiteral("EngineerLogo"));
    root->addWidget(logo);
    root->addLayout(ButtonRow(page));

    auto* notebook = new QTabWidget(page);
    notebook->setObjectName(QStringLiteral("Pg_Parameter"));
    notebook->addTab(OperatorTab(notebook), QString());
    notebook->addTab(EngineerTab(notebook), QString());
    // The write buttons share the notebook's cell, laid over the empty
    // right end of its tab row; the cell follows their size when
    // Btn_Default appears.
    auto* notebookCell = new QGridLayout;
    notebookCell->setContentsMargins(kPageMargin, 0, kPageMargin, 0);
    notebookCell->addWidget(notebook, 0, 0);
    notebookCell->addWidget(WriteButtons(page, notebook->tabBar()->sizeHint().height()), 0, 0,
                            Qt::AlignTop | Qt::AlignRight);
    root->addLayout(notebookCell, 1);
    root->addLayout(HintRow(page));

    // The close image lies on the logo strip, outside every layout.
    auto* close = new SkinPicture(QStringLiteral("Btn_Close"), page);
    close->SetPicture(QStringLiteral("ExitS_01"));
    close->setCursor(Qt::PointingHandCursor);
    close->move(page->width() - close->width() - kPageMargin, kPageMargin);
    close->raise();
}

}  // namespace orvex
