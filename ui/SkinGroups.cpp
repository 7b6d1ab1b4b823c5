#include "ui/SkinGroups.h"

#include <QStringList>

#include "ui/SkinPlacer.h"

namespace orvex {
namespace {

QString Copy(const QString& prefix, const QString& name, int copy)
{
    return QStringLiteral("%1%2_%3").arg(prefix, name).arg(copy);
}

QStringList AllCopies(const QString& prefix, const QStringList& names)
{
    QStringList out;
    for (int copy = 1; copy <= 4; ++copy) {
        for (const QString& name : names)
            out << Copy(prefix, name, copy);
    }
    return out;
}

QStringList Numbered(const QString& pattern, int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << pattern.arg(i);
    return out;
}

struct ButtonRow {
    const char* key;   // "Btn_A1"
    const char* name;  // "Confirm": Img_Confirm_<n>, Btn_Confirm_<n>
};

constexpr ButtonRow kWindowButtons[] = {
    {"Btn_A1", "Confirm"}, {"Btn_A2", "Apply"},    {"Btn_A8", "Read"}, {"Btn_A3", "Confirm1"},
    {"Btn_A5", "Confirm2"}, {"Btn_A6", "Confirm3"}, {"Btn_A7", "Mini"}, {"Btn_A4", "Exit"},
};

constexpr ButtonRow kPageButtons[] = {
    {"Btn_B1", "Main"},  {"Btn_B2", "Second"}, {"Btn_B4", "Adv"},   {"Btn_B5", "Breath"},
    {"Btn_B11", "Macro"}, {"Btn_B6", "Save"},   {"Btn_B7", "Load"},  {"Btn_B8", "Lang1"},
    {"Btn_B9", "Lang2"},  {"Btn_B10", "Lang3"},
};

template <std::size_t N>
QStringList RowNames(const ButtonRow (&rows)[N])
{
    QStringList names;
    for (const ButtonRow& row : rows)
        names << QString::fromLatin1(row.name);
    return names;
}

// A picture button of every page copy: enable flag, then its position.
template <typename Place>
void ApplyCopiedButton(SkinPlacer& placer, const ButtonRow& row, Place place)
{
    const QString key = QString::fromLatin1(row.key);
    const QString name = QString::fromLatin1(row.name);
    const int enabled = placer.Int(key + QStringLiteral("_Enable"));
    for (int copy = 1; copy <= 4; ++copy) {
        for (const char* prefix : {"Img_", "Btn_"})
            placer.Find(Copy(QLatin1String(prefix), name, copy))->setVisible(enabled == 1);
    }
    if (enabled != 1)
        return;
    const int x = placer.Int(key + QStringLiteral("_X"));
    const int y = placer.Int(key + QStringLiteral("_Y"));
    for (int copy = 1; copy <= 4; ++copy)
        place(Copy(QStringLiteral("Img_"), name, copy), Copy(QStringLiteral("Btn_"), name, copy), x, y);
}

// An edit with its text colour, background and border from three layout
// colours (a style sheet, since a palette has no border).
void StyleEdits(SkinPlacer& placer, const QStringList& names, const Rgb& text, const Rgb& back,
                const Rgb& border)
{
    const QString sheet = QStringLiteral("color: rgb(%1,%2,%3); background: rgb(%4,%5,%6); "
                                         "border: 1px solid rgb(%7,%8,%9);")
                              .arg(text.r).arg(text.g).arg(text.b)
                              .arg(back.r).arg(back.g).arg(back.b)
                              .arg(border.r).arg(border.g).arg(border.b);
    for (const QString& name : names)
        placer.Find(name)->setStyleSheet(sheet);
}

void PlaceScale(SkinPlacer& placer, const QString& key, const QString& segmentPattern, int segments)
{
    const int x = placer.Int(key + QStringLiteral("_X"));
    const int y = placer.Int(key + QStringLiteral("_Y"));
    const int gap = placer.Int(key + QStringLiteral("_D"));
    const int w = placer.Find(segmentPattern.arg(1))->width();
    for (int i = 1; i <= segments; ++i)
        placer.Move(segmentPattern.arg(i), ScaleSegmentX(x, gap, w, i), y);
}

// The pointer scales: numbered labels 4 px right of their segments, 24 px lower.
void PlacePointerScale(SkinPlacer& placer, const QString& key, const QString& name)
{
    PlaceScale(placer, key, QStringLiteral("Img_%1%2").arg(name), 11);
    const int x = placer.Int(key + QStringLiteral("_X"));
    const int y = placer.Int(key + QStringLiteral("_Y"));
    const int gap = placer.Int(key + QStringLiteral("_D"));
    const int w = placer.Find(QStringLiteral("Img_%1%2").arg(name).arg(1))->width();
    for (int i = 1; i <= 11; ++i)
        placer.Move(QStringLiteral("lbl_%1%2").arg(name).arg(i), ScaleSegmentX(x, gap, w, i) + 4, y + 24);
}

// The LED scales: labels under the segments, in either numbering order.
void PlaceLedScale(SkinPlacer& placer, const QString& key, const QString& name, int segments,
                   int numberOrder)
{
    const QString segmentPattern = QStringLiteral("Img_%1_%2").arg(name);
    PlaceScale(placer, key, segmentPattern, segments);
    const int x = placer.Int(key + QStringLiteral("_X"));
    const int y = placer.Int(key + QStringLiteral("_Y"));
    const int gap = placer.Int(key + QStringLiteral("_D"));
    const int w = placer.Find(segmentPattern.arg(1))->width();
    for (int i = 1; i <= segments; ++i) {
        const int label = numberOrder == 1 ? segments + 1 - i : i;
        placer.Move(QStringLiteral("lbl_%1_%2").arg(name).arg(label), ScaleSegmentX(x, gap, w, i), y + 24);
    }
}

}  // namespace

int ScaleSegmentX(int x, int gap, int segmentWidth, int segment)
{
    return x + (segment - 1) * (gap + segmentWidth);
}

void ApplyWindowButtonGroups(SkinPlacer& placer)
{
    const QStringList windowLabels = AllCopies(QStringLiteral("Btn_"), RowNames(kWindowButtons));
    placer.FontSize(windowLabels, placer.Int(QStringLiteral("Size_A")));
    placer.FontColour(windowLabels, placer.Colour(QStringLiteral("Color_A")));
    for (const ButtonRow& row : kWindowButtons) {
        ApplyCopiedButton(placer, row, [&](const QString& picture, const QString& label, int x, int y) {
            placer.PictureButton(picture, label, x, y);
        });
    }

    QStringList pageLabels = AllCopies(QStringLiteral("Btn_"), RowNames(kPageButtons));
    pageLabels << AllCopies(QStringLiteral("Btn_"), {QStringLiteral("Engineer")});
    placer.FontSize(pageLabels, placer.Int(QStringLiteral("Size_B")));
    placer.FontColour(pageLabels, placer.Colour(QStringLiteral("Color_B")));
    const int front = placer.Int(QStringLiteral("Btn_Space_F"));
    const int back = placer.Int(QStringLiteral("Btn_Space_B"));
    for (const ButtonRow& row : kPageButtons) {
        ApplyCopiedButton(placer, row, [&](const QString& picture, const QString& label, int x, int y) {
            placer.InsetButton(picture, label, x, y, front, back);
        });
    }
    // The engineer button has no keys: always at (10, 10), visibility as it is.
    for (int copy = 1; copy <= 4; ++copy) {
        placer.InsetButton(Copy(QStringLiteral("Img_"), QStringLiteral("Engineer"), copy),
                           Copy(QStringLiteral("Btn_"), QStringLiteral("Engineer"), copy), 10, 10, front, back);
    }
}

void ApplyMainPageGroup(SkinPlacer& placer)
{
    QStringList labels = Numbered(QStringLiteral("Key%1"), 1, 9);
    labels << QStringLiteral("IB_ComboKey1") << QStringLiteral("IB_ComboKey2");
    placer.FontSize(labels, placer.Int(QStringLiteral("Size_C")));
    placer.FontColour(labels, placer.Colour(QStringLiteral("Color_C")));
    placer.Move(QStringLiteral("Img_P1"), placer.Int(QStringLiteral("P1_X")), placer.Int(QStringLiteral("P1_Y")));
    for (int k = 1; k <= 9; ++k) {
        const QString key = QStringLiteral("Key%1").arg(k);
        const QString picture = QStringLiteral("Img_Key%1").arg(k);
        if (placer.Enable(key, picture, key))
            placer.PictureButton(picture, key, placer.Int(key + QStringLiteral("_X")), placer.Int(key + QStringLiteral("_Y")));
    }
    for (int k = 1; k <= 2; ++k) {
        const QString key = QStringLiteral("ComboKey%1").arg(k);
        const QString picture = QStringLiteral("Img_ComboKey%1").arg(k);
        const QString label = QStringLiteral("IB_ComboKey%1").arg(k);
        if (placer.Enable(key, picture, label))
            placer.CheckMark(picture, label, placer.Int(key + QStringLiteral("_X")), placer.Int(key + QStringLiteral("_Y")));
    }
}

void ApplyMenuGroup(SkinPlacer& placer)
{
    const QStringList panels{QStringLiteral("Pnl_Main"),  QStringLiteral("Pnl_Special"), QStringLiteral("Pnl_CPIKey"),
                             QStringLiteral("Pnl_MseKey"), QStringLiteral("Pnl_Media"),   QStringLiteral("Pnl_MyPC"),
                             QStringLiteral("Pnl_WWW")};
    QStringList texts;
    for (const QString& panel : panels) {
        for (QWidget* child : placer.Find(panel)->findChildren<QWidget*>())
            texts << child->objectName();
    }
    texts << QStringLiteral("LB_Name");
    placer.FontSize(texts, placer.Int(QStringLiteral("Size_G")));
    placer.FontColour(texts, placer.Colour(QStringLiteral("Color_G")));
    QStringList backgrounds = panels;
    backgrounds << QStringLiteral("LB_Name");
    placer.Background(backgrounds, placer.Colour(QStringLiteral("Color_G_Back")));
    const Rgb border = placer.Colour(QStringLiteral("Color_G_Border"));
    for (const QString& panel : backgrounds) {
        QPalette palette = placer.Find(panel)->palette();
        palette.setColor(QPalette::WindowText, QColor(border.r, border.g, border.b));
        placer.Find(panel)->setPalette(palette);
    }
    // The hover colours are kept in the SkinLayout values for the menus.
    placer.Colour(QStringLiteral("Color_G_SF"));
    placer.Colour(QStringLiteral("Color_G_SP"));

    const auto sizePanel = [&](const QString& panel, int width) {
        QWidget* p = placer.Find(panel);
        p->resize(width, p->height());
        for (QWidget* child : p->findChildren<QWidget*>()) {
            if (child->objectName().startsWith(QLatin1String("ST_")))
                child->move(width - 24, child->y());
            else
                child->resize(width - 4, child->height());
        }
    };
    sizePanel(QStringLiteral("Pnl_Main"), placer.Int(QStringLiteral("M_L_W")));
    sizePanel(QStringLiteral("Pnl_Special"), placer.Int(QStringLiteral("SP_L_W")));
    const int other = placer.Int(QStringLiteral("O_L_W"));
    for (const char* panel : {"Pnl_CPIKey", "Pnl_MseKey", "Pnl_Media", "Pnl_MyPC", "Pnl_WWW"})
        sizePanel(QString::fromLatin1(panel), other);
}

void ApplyAdvancedPageGroup(SkinPlacer& placer)
{
    const QStringList edits{QStringLiteral("Edt_Repeat1"), QStringLiteral("Edt_DelayTime1")};
    QStringList scaleLabels;
    for (const char* scale : {"lbl_Spd%1", "lbl_DbSpd%1", "lbl_ScrSpd%1"})
        scaleLabels << Numbered(QLatin1String(scale), 1, 11);
    QStringList values = Numbered(QStringLiteral("lbl_DPI%1Value"), 1, 7);
    values << QStringLiteral("lbl_AIMKeyValue");
    QStringList levels = Numbered(QStringLiteral("lbl_DPI%1"), 1, 7);
    levels << QStringLiteral("lbl_AIMKey");

    const int size = placer.Int(QStringLiteral("Size_D"));
    placer.FontSize(scaleLabels + values + edits, size);
    placer.FontSize(levels, size + 1);
    placer.FontColour({QStringLiteral("lbl_AIMKey")}, placer.Colour(QStringLiteral("Color_D_Selected")));
    const Rgb text = placer.Colour(QStringLiteral("Color_D_notSelected"));
    placer.FontColour(scaleLabels + values, text);
    const Rgb back = placer.Colour(QStringLiteral("Color_D_Back"));
    StyleEdits(placer, edits, text, back, placer.Colour(QStringLiteral("Color_D_Border")));

    placer.Move(QStringLiteral("Img_P2"), placer.Int(QStringLiteral("P2_X")), placer.Int(QStringLiteral("P2_Y")));
    placer.Move(QStringLiteral("Edt_Repeat1"), placer.Int(QStringLiteral("FKCnt_X")), placer.Int(QStringLiteral("FKCnt_Y")));
    placer.Move(QStringLiteral("Edt_DelayTime1"), placer.Int(QStringLiteral("FKDelay_X")),
                placer.Int(QStringLiteral("FKDelay_Y")));
    PlacePointerScale(placer, QStringLiteral("Spd"), QStringLiteral("Spd"));
    {
        const int x = placer.Int(QStringLiteral("IsControl_X"));
        const int y = placer.Int(QStringLiteral("IsControl_Y"));
        placer.Move(QStringLiteral("Img_IsControl"), x, y);
        placer.Move(QStringLiteral("lbl_IsControl"), x - 8, y);
    }
    PlacePointerScale(placer, QStringLiteral("DbSpd"), QStringLiteral("DbSpd"));
    PlacePointerScale(placer, QStringLiteral("ScrSpd"), QStringLiteral("ScrSpd"));
    {
        const int x = placer.Int(QStringLiteral("IsScreen_X"));
        const int y = placer.Int(QStringLiteral("IsScreen_Y"));
        placer.Move(QStringLiteral("Img_IsScreen"), x, y);
        placer.Move(QStringLiteral("lbl_IsScreen"), x - 2, y);
    }
    for (int n = 1; n <= 7; ++n) {
        const QString level = QStringLiteral("DPI%1").arg(n);
        placer.Move(QStringLiteral("Img_DPI%1").arg(n), placer.Int(level + QStringLiteral("_Check_X")),
                    placer.Int(level + QStringLiteral("_Check_Y")));
        placer.Move(QStringLiteral("lbl_DPI%1").arg(n), placer.Int(level + QStringLiteral("_X")),
                    placer.Int(level + QStringLiteral("_Y")));
        placer.Move(QStringLiteral("lbl_DPI%1Value").arg(n), placer.Int(level + QStringLiteral("_Value_X")),
                    placer.Int(level + QStringLiteral("_Value_Y")));
        PlaceScale(placer, level + QStringLiteral("_Steps"), QStringLiteral("Img_DPI%1_%2").arg(n), 11);
        placer.Swatch(QStringLiteral("Img_DPI%1Col").arg(n), QStringLiteral("cs_DPI%1Col").arg(n),
                      QStringLiteral("lbl_DPI%1Col").arg(n), placer.Int(level + QStringLiteral("_Color_X")),
                      placer.Int(level + QStringLiteral("_Color_Y")));
    }
    placer.Move(QStringLiteral("lbl_AIMKey"), placer.Int(QStringLiteral("AIMKey_X")), placer.Int(QStringLiteral("AIMKey_Y")));
    placer.Move(QStringLiteral("lbl_AIMKeyValue"), placer.Int(QStringLiteral("AIMKey_Value_X")),
                placer.Int(QStringLiteral("AIMKey_Value_Y")));
    PlaceScale(placer, QStringLiteral("AIMKey_Steps"), QStringLiteral("Img_AIMKey_%1"), 11);
}

void ApplyLightPageGroup(SkinPlacer& placer, int numberOrder)
{
    QStringList labels = Numbered(QStringLiteral("lbl_MCULEDStep_%1"), 1, 8);
    labels << Numbered(QStringLiteral("lbl_MCULEDNum_%1"), 1, 10);
    placer.FontSize(labels, placer.Int(QStringLiteral("Size_E")));
    placer.FontColour(labels, placer.Colour(QStringLiteral("Color_E")));
    placer.Move(QStringLiteral("Img_P3"), placer.Int(QStringLiteral("P3_X")), placer.Int(QStringLiteral("P3_Y")));

    struct Option {
        const char* key;
        const char* name;
    };
    static constexpr Option kOptions[] = {
        {"LEDOn", "LEDOn"},         {"LEDOff", "LEDOff"},          {"MCPIOn", "MCPIOn"},
        {"MCPIOff", "MCPIOff"},     {"LEDSwitchOn", "LCPIOn"},     {"LEDSwitchOff", "LCPIOff"},
        {"SaveKeyMode", "SaveKeyMode"}, {"NoSaveKeyMode", "NoSaveKeyMode"},
        {"MCULEDMode1", "MCULEDMode1"}, {"MCULEDMode2", "MCULEDMode2"}, {"MCULEDMode3", "MCULEDMode3"},
        {"MCULEDMode4", "MCULEDMode4"}, {"MCULEDMode5", "MCULEDMode5"}, {"MCULEDMode6", "MCULEDMode6"},
        {"MCULEDMode7", "MCULEDMode7"},
    };
    for (const Option& option : kOptions) {
        const QString key = QString::fromLatin1(option.key);
        const QString name = QString::fromLatin1(option.name);
        placer.OptionMark(QStringLiteral("Img_") + name, QStringLiteral("lbl_") + name,
                          placer.Int(key + QStringLiteral("_X")), placer.Int(key + QStringLiteral("_Y")));
    }
    PlaceLedScale(placer, QStringLiteral("MCULEDStep"), QStringLiteral("MCULEDStep"), 8, numberOrder);
    PlaceLedScale(placer, QStringLiteral("MCULEDNum"), QStringLiteral("MCULEDNum"), 10, numberOrder);
    for (int mode = 1; mode <= 2; ++mode) {
        const QString key = QStringLiteral("KeyMode%1").arg(mode);
        placer.Swatch(QStringLiteral("Img_Mode%1Color").arg(mode), QStringLiteral("cs_Mode%1Color").arg(mode),
                      QStringLiteral("IB_Mode%1Color").arg(mode), placer.Int(key + QStringLiteral("_X")),
                      placer.Int(key + QStringLiteral("_Y")));
    }
}

void ApplyMacroPageGroup(SkinPlacer& placer)
{
    const QStringList lists{QStringLiteral("LB_PCMacroName"), QStringLiteral("LB_MacroName"),
                            QStringLiteral("LB_macro")};
    const QStringList edits{QStringLiteral("Edt_Delay"), QStringLiteral("Edt_InsertDelay"),
                            QStringLiteral("edt_Repeat"), QStringLiteral("edt_XAxisValue"),
                            QStringLiteral("edt_YAxisValue")};
    const QStringList menuButtons{QStringLiteral("Btn_NewMacro"), QStringLiteral("Btn_NewName"),
                                  QStringLiteral("Btn_DelPCMacro"), QStringLiteral("Btn_ImportOne"),
                                  QStringLiteral("Btn_Import"), QStringLiteral("Btn_ExportOne"),
                                  QStringLiteral("Btn_Export"), QStringLiteral("Btn_Edit"),
                                  QStringLiteral("Btn_Del"), QStringLiteral("Btn_Insert")};
    const QStringList texts{QStringLiteral("Btn_New"), QStringLiteral("Btn_Start"), QStringLiteral("CB_Insert"),
                            QStringLiteral("IB_InsertRecDelay"), QStringLiteral("IB_InsertDelayTime"),
                            QStringLiteral("IB_InsertNoDelay"), QStringLiteral("lbl_Delay"),
                            QStringLiteral("lbl_s_A"), QStringLiteral("Btn_InsertStart"), QStringLiteral("Btn_OK"),
                            QStringLiteral("Btn_Cancel")};
    const QStringList others{QStringLiteral("IB_RecDelay"), QStringLiteral("IB_DelayTime"),
                             QStringLiteral("IB_NoDelay"), QStringLiteral("IB_ReleaseStop"),
                             QStringLiteral("IB_ReleaseContiue"), QStringLiteral("lbl_XAxisValue"),
                             QStringLiteral("lbl_YAxisValue"), QStringLiteral("lbl_Repeat")};

    placer.FontSize(lists + edits + menuButtons + texts + others, placer.Int(QStringLiteral("Size_F")));
    const Rgb text = placer.Colour(QStringLiteral("Color_F"));
    placer.FontColour(texts + others, text);
    QStringList listBacks = lists;
    listBacks << QStringLiteral("CB_Insert");
    placer.Background(listBacks, placer.Colour(QStringLiteral("Color_F_LBack")));
    const Rgb editBorder = placer.Colour(QStringLiteral("Color_F_LBorder"));
    const Rgb listText = placer.Colour(QStringLiteral("Color_F_Font"));
    placer.FontColour(lists + menuButtons, listText);
    const Rgb back = placer.Colour(QStringLiteral("Color_F_Back"));
    placer.Background(menuButtons, back);
    StyleEdits(placer, edits, listText, back, editBorder);

    placer.Move(QStringLiteral("Img_P4"), placer.Int(QStringLiteral("P4_X")), placer.Int(QStringLiteral("P4_Y")));
    placer.Int(QStringLiteral("MacroNameHeight"));  // kept for the lists' item height
    {
        QWidget* list = placer.Find(QStringLiteral("LB_PCMacroName"));
        list->setGeometry(placer.Int(QStringLiteral("PCMacroName_X")), placer.Int(QStringLiteral("PCMacroName_Y")),
                          list->width(), placer.Int(QStringLiteral("PCMacroName_H")));
    }
    placer.Move(QStringLiteral("LB_macro"), placer.Int(QStringLiteral("MacroContent_X")),
                placer.Int(QStringLiteral("MacroContent_Y")));
    placer.PictureButton(QStringLiteral("Img_New"), QStringLiteral("Btn_New"), placer.Int(QStringLiteral("BtnNew_X")),
                         placer.Int(QStringLiteral("BtnNew_Y")));
    placer.PictureButton(QStringLiteral("Img_Start"), QStringLiteral("Btn_Start"),
                         placer.Int(QStringLiteral("BtnStart_X")), placer.Int(QStringLiteral("BtnStart_Y")));
    placer.Move(QStringLiteral("Gb_Delay"), placer.Int(QStringLiteral("DelayTime_X")), placer.Int(QStringLiteral("DelayTime_Y")));

    const auto optionRows = [&](const QString& key, const QStringList& rows) {
        const int x = placer.Int(key + QStringLiteral("_X"));
        const int y = placer.Int(key + QStringLiteral("_Y"));
        const int h = placer.Int(key + QStringLiteral("_H"));
        for (int i = 0; i < rows.size(); ++i) {
            placer.Move(QStringLiteral("LED_") + rows[i], x, y + i * h);
            placer.Move(QStringLiteral("IB_") + rows[i], x - 2, y + i * h);
        }
    };
    optionRows(QStringLiteral("RecDelay"), {QStringLiteral("RecDelay"), QStringLiteral("DelayTime"), QStringLiteral("NoDelay")});
    placer.Move(QStringLiteral("Edt_Delay"), placer.Int(QStringLiteral("DelayEdit_X")), placer.Int(QStringLiteral("DelayEdit_Y")));
    for (const char* release : {"ReleaseStop", "ReleaseContinue"}) {
        const QString key = QString::fromLatin1(release);
        // The control names keep their historical spelling "Contiue".
        const QString name = key == QLatin1String("ReleaseContinue") ? QStringLiteral("ReleaseContiue") : key;
        const int x = placer.Int(key + QStringLiteral("_X"));
        const int y = placer.Int(key + QStringLiteral("_Y"));
        placer.Move(QStringLiteral("Img_") + name, x, y);
        placer.Move(QStringLiteral("IB_") + name, x - 2, y);
    }
    {
        const int x = placer.Int(QStringLiteral("Insert_X"));
        const int y = placer.Int(QStringLiteral("Insert_Y"));
        placer.Move(QStringLiteral("Gb_Insert"), x, y);
        placer.Move(QStringLiteral("Img_InsertBase"), x + 10, y + 10);
    }
    placer.Move(QStringLiteral("CB_Insert"), placer.Int(QStringLiteral("InsertList_X")), placer.Int(QStringLiteral("InsertList_Y")));
    optionRows(QStringLiteral("InsertRecDelay"), {QStringLiteral("InsertRecDelay"), QStringLiteral("InsertDelayTime"),
                                                  QStringLiteral("InsertNoDelay")});
    {
        const int x = placer.Int(QStringLiteral("InsertDelayEdit_X"));
        const int y = placer.Int(QStringLiteral("InsertDelayEdit_Y"));
        placer.Move(QStringLiteral("Edt_InsertDelay"), x, y);
        placer.Move(QStringLiteral("lbl_Delay"), x - 74, y + 2);
        placer.Move(QStringLiteral("lbl_s_A"), x + 44, y + 2);
    }
    {
        const int x = placer.Int(QStringLiteral("InsertAxisEdit_X"));
        const int y = placer.Int(QStringLiteral("InsertAxisEdit_Y"));
        for (const char* edit : {"edt_XAxisValue", "edt_YAxisValue", "edt_Repeat"})
            placer.Move(QString::fromLatin1(edit), x, y);
        for (const char* label : {"lbl_XAxisValue", "lbl_YAxisValue", "lbl_Repeat"})
            placer.Move(QString::fromLatin1(label), x - 64, y + 2);
    }
    placer.PictureButton(QStringLiteral("Img_InsertStart"), QStringLiteral("Btn_InsertStart"),
                         placer.Int(QStringLiteral("InsertBtnStart_X")), placer.Int(QStringLiteral("InsertBtnStart_Y")));
    placer.PictureButton(QStringLiteral("Img_OK"), QStringLiteral("Btn_OK"), placer.Int(QStringLiteral("InsertBtnOK_X")),
                         placer.Int(QStringLiteral("InsertBtnOK_Y")));
    placer.PictureButton(QStringLiteral("Img_Cancel"), QStringLiteral("Btn_Cancel"),
                         placer.Int(QStringLiteral("InsertBtnCancel_X")), placer.Int(QStringLiteral("InsertBtnCancel_Y")));
}

}  // namespace orvex
