#include "window/screen/LinkLabel.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

namespace esoa {
namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty()) return own;
        return static_cast<const LinkLabel*>(widget())->text();
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) emit static_cast<LinkLabel*>(widget())->Click();
    }
};

QAccessibleInterface* LinkAccessibleFactory(const QString& className, QObject* object) {
    auto* link = qobject_cast<LinkLabel*>(object);
    if (link && className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkAccessible(link);
    return nullptr;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(LinkAccessibleFactory);
        return true;
    }();
    (void)accessible;
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Highlight));
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!event->isAutoRepeat()) emit Click();
            event->accept();
            return;
        }
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // A link has no face to highlight: the frame around its text is the whole focus indication.
    const QRect textRect =
        style()->itemTextRect(fontMetrics(), contentsRect(), int(alignment()), isEnabled(), text());
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(textRect.adjusted(-1, 0, 0, -1).intersected(rect().adjusted(0, 0, -1, -1)));
}

}  // namespace esoa
