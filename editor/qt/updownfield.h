#ifndef QUADRIVO_EDITOR_QT_UPDOWNFIELD_H
#define QUADRIVO_EDITOR_QT_UPDOWNFIELD_H

#include <QAbstractSpinBox>

namespace quadrivo::editor {

// A number field with up and down arrows. The arrows (buttons, arrow keys,
// wheel) move the number within the arrow range; the text itself is free,
// so a number typed beyond the range, or any other text, stays as typed for
// the dialog to read.
class UpDownField : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit UpDownField(QWidget* parent = nullptr);

    void setArrowRange(int minimum, int maximum);
    int arrowMinimum() const { return minimum_; }
    int arrowMaximum() const { return maximum_; }

    QString fieldText() const;
    void setFieldText(const QString& text);

    void stepBy(int steps) override;

signals:
    // The arrows moved the number.
    void stepped();

public:
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    // The number the arrows start from: the text's, 0 when it holds none.
    int current() const;

    int minimum_ = 0;
    int maximum_ = 99;
};

}  // namespace quadrivo::editor

#endif
