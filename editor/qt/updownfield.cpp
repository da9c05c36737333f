#include "editor/qt/updownfield.h"

#include <QLineEdit>
#include <algorithm>

#include "editor/core/properties.h"

namespace quadrivo::editor {

UpDownField::UpDownField(QWidget* parent) : QAbstractSpinBox(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void UpDownField::setArrowRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    update();
}

QString UpDownField::fieldText() const
{
    return lineEdit()->text();
}

void UpDownField::setFieldText(const QString& text)
{
    lineEdit()->setText(text);
}

int UpDownField::current() const
{
    return DialogNumber(lineEdit()->text().toStdString());
}

void UpDownField::stepBy(int steps)
{
    const long long moved = static_cast<long long>(current()) + steps;
    const long long bounded = std::clamp<long long>(moved, minimum_, maximum_);
    lineEdit()->setText(QString::number(bounded));
    selectAll();
    emit stepped();
}

QAbstractSpinBox::StepEnabled UpDownField::stepEnabled() const
{
    const int value = current();
    StepEnabled enabled = StepNone;
    if (value < maximum_) enabled |= StepUpEnabled;
    if (value > minimum_) enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State UpDownField::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

void UpDownField::fixup(QString&) const {}

QSize UpDownField::sizeHint() const
{
    QSize size = QAbstractSpinBox::sizeHint();
    size.setWidth(std::max(size.width(), fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 36));
    return size;
}

QSize UpDownField::minimumSizeHint() const
{
    return sizeHint();
}

}  // namespace quadrivo::editor
