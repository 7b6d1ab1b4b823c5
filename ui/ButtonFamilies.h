#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QUrl;
class QTimer;
class QWidget;

namespace orvex {

class SkinLabel;

// The hover behaviour of the skinned picture buttons: which pictures change
// when the mouse enters and leaves a button of each family, the pressed
// picture, and the rolling caption of the hovered button (LabelRun, 200 ms).
class ButtonFamilies : public QObject {
    Q_OBJECT

public:
    // What the families need to know of the rest of the window.
    struct Context {
        std::function<bool()> captionRolling;  // TR_Enable = 1
        std::function<bool()> noDevicePage;
        std::function<bool()> deviceOpen;
        std::function<QString()> currentPageButton;  // "Main", "Adv", ...
        std::function<int()> languageNumber;
        std::function<QColor()> listButtonText;        // Color_F_Font
        std::function<QColor()> listButtonBackground;  // Color_F_Back
        std::function<bool()> webEnabled;              // Web_Enable = 1
        std::function<QString()> webAddress;
        // Asks the desktop to open an address (QDesktopServices when empty).
        std::function<void(const QUrl&)> openUrl;
    };

    ButtonFamilies(QWidget* window, Context context, QObject* parent = nullptr);

    // The pressed picture of a family A button, in all four copies.
    void ShowPressed(const QString& buttonName);

    // The rolling caption starts again from the caption of label (after a
    // language switch).
    void ResetRolling(QLabel* label);

    // One tick of LabelRun (exposed so tests can drive it).
    void RollCaption();

    QTimer* LabelRun() const { return m_labelRun; }
    QString RememberedCaption() const { return m_rememberedCaption; }

private:
    enum class Family { A, B, D, I, J, H, Web, Key, Macro, Insert };
    void Bind(SkinLabel* label, Family family);
    void Enter(SkinLabel* label, Family family);
    void Leave(SkinLabel* label, Family family);
    void SetPictures(const QStringList& pictures, const QString& resource);
    QStringList PicturesOf(SkinLabel* label, Family family) const;
    void Remember(QLabel* label);

    QWidget* m_window;
    Context m_context;
    QTimer* m_labelRun;
    QPointer<QLabel> m_hovered;
    QString m_rememberedCaption;
    QString m_rollingCaption;
    int m_step = 0;
};

}  // namespace orvex
