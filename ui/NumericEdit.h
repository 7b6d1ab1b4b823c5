#pragma once

#include <QLineEdit>

namespace orvex {

// An edit that can drop typed characters outside its alphabet (hexadecimal
// digits for THexEdit, decimal digits for TIntEdit) and reads and writes its
// text as a number. Backspace and every non-character key always pass.
class THexEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit THexEdit(const QString& objectName, QWidget* parent = nullptr);

    bool IsFilter() const { return m_isFilter; }
    void SetIsFilter(bool on) { m_isFilter = on; }

    // An empty edit reads 0; a text that is not a number reads nullopt-free
    // as 0 too (the value conversion never throws into the UI).
    virtual int Value() const;
    // 0 or less empties the edit.
    virtual void SetValue(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    virtual bool Accepts(QChar c) const;

private:
    bool m_isFilter = true;
};

class TIntEdit : public THexEdit {
    Q_OBJECT

public:
    explicit TIntEdit(const QString& objectName, QWidget* parent = nullptr);

    int Value() const override;
    void SetValue(int value) override;

protected:
    bool Accepts(QChar c) const override;
};

}  // namespace orvex
