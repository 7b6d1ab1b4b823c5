#pragma once

#include <QWidget>

#include "ui/LanguageTable.h"
#include "ui/LayoutResource.h"

class QLabel;

namespace orvex {

class SkinLabel;
class SkinPicture;
struct DialogFrameDescription;

// The six small dialogs that share the frame.
enum class DialogKind {
    AssemblyKey,   // TForm2, combination key
    MacroName,     // TForm3
    ColourChoice,  // TForm4, colour of a CPI level (Nor LED)
    StepKey,       // TForm5, key of a macro step
    StepDelay,     // TForm6, delay of a macro step
    StepValue,     // TForm7, move distance or repeat count of a macro step
};

// What a dialog reads while it is built: one layout variant and the texts of
// one language.
struct DialogResources {
    LayoutSection layout;
    LanguageTable language;
};

// The built-in layout variant ([org1] .. [org3]) and language table of a
// language number 1 .. 3, read afresh. Throws LayoutError for a missing
// layout resource and std::runtime_error for a missing language.
DialogResources LoadDialogResources(int languageNumber);

// Where a dialog of that kind and size opens over the main window: centred,
// halves rounded toward zero, the combination-key dialog 40 pixels lower.
QPoint DialogPosition(DialogKind kind, const QRect& mainWindow, const QSize& dialog);

// The skinned frame of the small dialogs: a borderless, always-on-top tool
// window shaped by the Msg picture (its RGB(128, 0, 0) pixels are cut out),
// with a title, the dialog's input controls, a confirm button, a second
// button and a close button, laid out from the layout variant and captioned
// from the language table it is built with. It is not modal. Closing it
// (confirm or close button) deletes it, so dialogs are always created with
// new; the next request builds a new one.
class DialogFrame : public QWidget {
    Q_OBJECT

public:
    DialogKind Kind() const { return m_kind; }

    // Shows the dialog above the main window and gives its input the focus.
    void Open();

    // The window colour that the Msg picture uses for see-through pixels.
    static constexpr QRgb kSeeThrough = 0xFF800000;

protected:
    // Creates the background, title and buttons; the dialog then creates its
    // input controls under their documented names and calls BuildFrame.
    // mainWindow owns the dialog and gives its position; it may be null.
    DialogFrame(DialogKind kind, QWidget* mainWindow);

    // Pictures, shape, size, position, layout, fonts, colours and texts, in
    // this order. Throws LayoutError at the first missing or malformed
    // layout key and ResourceError for a missing picture; the dialog is then
    // unusable and the caller drops it.
    void BuildFrame(const DialogResources& resources);

    // The control that gets the focus when the dialog opens.
    void SetFocusInput(QWidget* input) { m_focusInput = input; }

    // What the confirm and second buttons do after showing their pressed
    // picture. Confirm hands the result over and closes; the second button
    // clears the input and leaves the dialog open.
    virtual void ConfirmAction() = 0;
    virtual void SecondAction() = 0;

private:
    void LoadPictures();
    void ShapeToBackground();
    void PlaceOverMainWindow();
    void ApplyLayout(const LayoutSection& layout);
    void PlaceColourChoices(const LayoutSection& layout);
    void ApplyTexts(const LanguageTable& language);
    void ConnectButton(SkinLabel* label, SkinPicture* picture, const QString& pictureSet,
                       void (DialogFrame::*action)());
    void ConfirmClicked() { ConfirmAction(); }
    void SecondClicked() { SecondAction(); }
    void CloseClicked() { close(); }

    DialogKind m_kind;
    const DialogFrameDescription& m_description;
    QWidget* m_mainWindow = nullptr;
    QWidget* m_focusInput = nullptr;
    SkinPicture* m_background = nullptr;
    QLabel* m_title = nullptr;
    SkinPicture* m_confirmPicture = nullptr;
    SkinLabel* m_confirmLabel = nullptr;
    SkinPicture* m_secondPicture = nullptr;
    SkinLabel* m_secondLabel = nullptr;
    SkinPicture* m_closePicture = nullptr;
    SkinLabel* m_closeLabel = nullptr;
};

}  // namespace orvex
