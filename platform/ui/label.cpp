#include "platform/ui/label.h"

#include "platform/text/codepage.h"

#include <QLabel>
#include <QMouseEvent>

namespace platform::ui {

namespace {

// A label takes its own clicks (they do not reach the form beneath).
class ClickLabel : public QLabel
{
public:
    std::function<void()> clicked;
    std::function<void()> doubleClicked;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked) {
            clicked();
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton && doubleClicked) {
            doubleClicked();
        }
    }
};

QString captionText(const std::string& caption)
{
    QString shown = text::toUnicode(caption);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

Label::Label(Parent parent, const std::string& caption) : Control(parent, new ClickLabel)
{
    auto* label = static_cast<ClickLabel*>(widget());
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->clicked = [this] {
        if (onClick) {
            onClick();
        }
    };
    label->doubleClicked = [this] {
        if (onDblClick) {
            onDblClick();
        }
    };
    setCaption(caption);
}

void Label::setCaption(const std::string& caption)
{
    m_caption = caption;
    if (auto* label = static_cast<QLabel*>(widget())) {
        label->setText(captionText(caption));
        if (m_autoSize) {
            label->adjustSize();
        }
    }
}

void Label::setAlignment(Alignment alignment)
{
    auto* label = static_cast<QLabel*>(widget());
    if (label == nullptr) {
        return;
    }
    Qt::Alignment a = Qt::AlignLeft;
    if (alignment == Alignment::Right) {
        a = Qt::AlignRight;
    } else if (alignment == Alignment::Center) {
        a = Qt::AlignHCenter;
    }
    label->setAlignment(a | Qt::AlignTop);
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize && widget() != nullptr) {
        widget()->adjustSize();
    }
}

void Label::setWordWrap(bool wrap)
{
    if (auto* label = static_cast<QLabel*>(widget())) {
        label->setWordWrap(wrap);
    }
}

} // namespace platform::ui
