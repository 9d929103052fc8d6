#include "ui/form_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace ztmca {
namespace {

QColor ToQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The toolkit's "&" marks an accelerator in menus and buttons; labels show the text as it is.
QIcon Swatch(Colour c) {
    QPixmap pixmap(12, 12);
    pixmap.fill(ToQColor(c));
    return QIcon(pixmap);
}

QImage ImageOf(const Bitmap& b) {
    return QImage(reinterpret_cast<const uchar*>(b.Data()), b.Width(), b.Height(), b.Width() * 4,
                  QImage::Format_RGBX8888);
}

}  // namespace

FormView::FormView(Form& form, FormHost& host, QWidget* container, QMenuBar* menuBar)
    : QObject(container), form_(form), host_(host), container_(container), menuBar_(menuBar) {
    for (const Control& c : form_.Controls()) Build(c, ParentWidgetFor(c));
    Sync();
}

QObject* FormView::Widget(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* FormView::ParentWidgetFor(const Control& c) const {
    if (c.Parent.empty()) return container_;
    return qobject_cast<QWidget*>(Widget(c.Parent));
}

void FormView::Build(const Control& c, QWidget* parentWidget) {
    const std::string name = c.Name;
    const QString objectName = Text(name);
    QObject* made = nullptr;
    switch (c.Kind) {
        case ControlKind::Menu: {
            if (!menuBar_) return;
            QMenu* menu = menuBar_->addMenu(Text(c.Text));
            menu->setObjectName(objectName);
            menu->menuAction()->setObjectName(objectName + QStringLiteral("Action"));
            made = menu;
            break;
        }
        case ControlKind::MenuItem: {
            auto* menu = qobject_cast<QMenu*>(Widget(c.Parent));
            if (!menu) return;
            QAction* action = menu->addAction(Text(c.Text));
            QObject::connect(action, &QAction::triggered, this, [this, name] { Dispatch([&] { form_.Click(name); }); });
            made = action;
            break;
        }
        case ControlKind::Separator: {
            auto* menu = qobject_cast<QMenu*>(Widget(c.Parent));
            if (!menu) return;
            made = menu->addSeparator();
            break;
        }
        case ControlKind::GroupBox:
            made = new QGroupBox(Text(c.Text), parentWidget);
            break;
        case ControlKind::Panel: {
            auto* frame = new QFrame(parentWidget);
            frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
            made = frame;
            break;
        }
        case ControlKind::PageControl: {
            auto* tabs = new QTabWidget(parentWidget);
            // Narrow tabs, so that the three captions of a page control fit its width.
            tabs->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 2px 4px; }"));
            tabs->setUsesScrollButtons(false);
            QObject::connect(tabs, &QTabWidget::currentChanged, this, [this, name](int index) {
                if (!syncing_) Dispatch([&] { form_.SelectItem(name, index); });
            });
            made = tabs;
            break;
        }
        case ControlKind::TabSheet: {
            auto* tabs = qobject_cast<QTabWidget*>(Widget(c.Parent));
            if (!tabs) return;
            auto* page = new QWidget();
            syncing_ = true;
            tabs->addTab(page, Text(c.Text));
            syncing_ = false;
            made = page;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(Text(c.Text), parentWidget);
            button->setAutoDefault(false);
            button->setDefault(c.Default);
            QObject::connect(button, &QPushButton::clicked, this, [this, name] { Dispatch([&] { form_.Click(name); }); });
            made = button;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(Text(c.Text), parentWidget);
            QObject::connect(box, &QCheckBox::clicked, this, [this, name] { Dispatch([&] { form_.Click(name); }); });
            made = box;
            break;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(Text(c.Text), parentWidget);
            radio->setAutoExclusive(false);  // the form decides which one is checked
            QObject::connect(radio, &QRadioButton::clicked, this, [this, name] { Dispatch([&] { form_.Click(name); }); });
            made = radio;
            break;
        }
        case ControlKind::RadioGroup: {
            auto* group = new QGroupBox(Text(c.Text), parentWidget);
            auto* layout = new QVBoxLayout(group);
            layout->setContentsMargins(8, 2, 4, 2);
            layout->setSpacing(0);
            for (std::size_t i = 0; i < c.Items.size(); ++i) {
                auto* radio = new QRadioButton(Text(c.Items[i]), group);
                radio->setObjectName(objectName + QStringLiteral("_%1").arg(i));
                radio->setAutoExclusive(false);
                layout->addWidget(radio);
                const int index = static_cast<int>(i);
                QObject::connect(radio, &QRadioButton::clicked, this,
                                 [this, name, index] { Dispatch([&] { form_.SelectItem(name, index); }); });
            }
            made = group;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(parentWidget);
            QObject::connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
                Dispatch([&] { form_.EnterText(name, text.toStdString()); });
            });
            made = edit;
            break;
        }
        case ControlKind::Label:
            made = new QLabel(Text(c.Text), parentWidget);
            break;
        case ControlKind::ComboBox:
        case ControlKind::ColorBox: {
            auto* combo = new QComboBox(parentWidget);
            combo->setMaxVisibleItems(16);
            QObject::connect(combo, &QComboBox::activated, this,
                             [this, name](int index) { Dispatch([&] { form_.SelectItem(name, index); }); });
            made = combo;
            break;
        }
        case ControlKind::PaintBox:
            made = new PaintBoxWidget(*this, name, parentWidget);
            break;
        case ControlKind::Image: {
            auto* label = new QLabel(parentWidget);
            if (const Bitmap* b = form_.Canvas(name)) label->setPixmap(QPixmap::fromImage(ImageOf(*b).copy()));
            made = label;
            break;
        }
        case ControlKind::Timer: {
            auto* timer = new QTimer(this);
            timer->setInterval(c.Interval);
            QObject::connect(timer, &QTimer::timeout, this, [this, name] { Dispatch([&] { form_.TimerTick(name); }); });
            timers_[name] = timer;
            made = timer;
            break;
        }
    }
    if (!made) return;
    made->setObjectName(objectName);
    widgets_[name] = made;
    if (auto* w = qobject_cast<QWidget*>(made); w && c.Kind != ControlKind::TabSheet) w->show();
}

void FormView::Dispatch(const std::function<void()>& event) {
    ++depth_;
    try {
        event();
    } catch (const std::exception& e) {
        host_.ShowError(e.what());
    } catch (...) {
        host_.ShowError("");
    }
    --depth_;
    Sync();
    // Handlers draw into the paint boxes' pictures; show them.
    for (const Control& c : form_.Controls())
        if (c.Kind == ControlKind::PaintBox)
            if (auto* w = qobject_cast<QWidget*>(Widget(c.Name))) w->update();
    if (form_.Result != ModalResult::None) emit ResultSet();
}

void FormView::SetAnchorShift(int shift) {
    anchorShift_ = shift;
    Sync();
}

void FormView::StopTimers() {
    timersStopped_ = true;
    for (auto& [name, timer] : timers_) timer->stop();
}

void FormView::Sync() {
    if (syncing_) return;
    syncing_ = true;
    for (const Control& c : form_.Controls()) SyncControl(c);
    syncing_ = false;
}

void FormView::SyncControl(const Control& c) {
    QObject* object = Widget(c.Name);
    if (!object) return;
    const QString text = Text(c.Text);

    if (c.Kind == ControlKind::Timer) {
        QTimer* timer = timers_[c.Name];
        if (c.Enabled && !timersStopped_ && !timer->isActive()) timer->start();
        if (!c.Enabled && timer->isActive()) timer->stop();
        return;
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (c.Kind == ControlKind::MenuItem && action->text() != text) action->setText(text);
        action->setEnabled(c.Enabled);
        action->setVisible(c.Visible);
        return;
    }
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setEnabled(c.Enabled);
        return;
    }
    if (c.Kind == ControlKind::TabSheet) {
        auto* tabs = qobject_cast<QTabWidget*>(Widget(c.Parent));
        auto* page = qobject_cast<QWidget*>(object);
        if (!tabs || !page) return;
        const int index = tabs->indexOf(page);
        if (tabs->tabText(index) != text) tabs->setTabText(index, text);
        tabs->setTabEnabled(index, c.Enabled);
        tabs->setTabVisible(index, c.Visible);
        tabs->tabBar()->setTabTextColor(index, c.Highlighted ? QColor(Qt::blue) : tabs->palette().color(QPalette::WindowText));
        return;
    }

    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return;
    int left = c.Left;
    if (c.AnchorRight && c.Parent.empty()) left += anchorShift_;
    const QRect geometry(left, c.Top, c.Width, c.Height);
    if (widget->geometry() != geometry) widget->setGeometry(geometry);
    if (widget->isEnabled() != c.Enabled) widget->setEnabled(c.Enabled);
    if (widget->isVisibleTo(widget->parentWidget()) != c.Visible) widget->setVisible(c.Visible);
    if (c.Color != kDefaultColour && c.Kind != ControlKind::ColorBox) {
        QPalette palette = widget->palette();
        const QPalette::ColorRole role = c.Kind == ControlKind::Edit ? QPalette::Base : QPalette::Window;
        if (palette.color(role) != ToQColor(c.Color)) {
            palette.setColor(role, ToQColor(c.Color));
            widget->setPalette(palette);
            widget->setAutoFillBackground(c.Kind != ControlKind::Edit);
        }
    }

    switch (c.Kind) {
        case ControlKind::GroupBox:
            if (auto* g = qobject_cast<QGroupBox*>(widget); g->title() != text) g->setTitle(text);
            break;
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (button->text() != text) button->setText(text);
            if (c.Kind != ControlKind::Button && button->isChecked() != c.Checked) button->setChecked(c.Checked);
            break;
        }
        case ControlKind::RadioGroup: {
            auto* group = qobject_cast<QGroupBox*>(widget);
            if (group->title() != text) group->setTitle(text);
            const auto radios = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
            for (int i = 0; i < radios.size(); ++i)
                if (radios[i]->isChecked() != (i == c.ItemIndex)) radios[i]->setChecked(i == c.ItemIndex);
            break;
        }
        case ControlKind::Edit: {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            if (edit->text() != text) edit->setText(text);
            if (edit->isReadOnly() != c.ReadOnly) edit->setReadOnly(c.ReadOnly);
            break;
        }
        case ControlKind::Label:
            if (auto* label = qobject_cast<QLabel*>(widget); label->text() != text) label->setText(text);
            break;
        case ControlKind::ComboBox:
        case ControlKind::ColorBox: {
            auto* combo = qobject_cast<QComboBox*>(widget);
            bool same = combo->count() == static_cast<int>(c.Items.size());
            for (int i = 0; same && i < combo->count(); ++i) same = combo->itemText(i) == Text(c.Items[i]);
            if (!same) {
                combo->clear();
                for (std::size_t i = 0; i < c.Items.size(); ++i) {
                    if (c.Kind == ControlKind::ColorBox && i < c.ItemColours.size())
                        combo->addItem(Swatch(c.ItemColours[i]), Text(c.Items[i]));
                    else
                        combo->addItem(Text(c.Items[i]));
                }
            }
            if (combo->currentIndex() != c.ItemIndex) combo->setCurrentIndex(c.ItemIndex);
            break;
        }
        case ControlKind::PageControl: {
            auto* tabs = qobject_cast<QTabWidget*>(widget);
            if (c.ItemIndex >= 0 && tabs->currentIndex() != c.ItemIndex) tabs->setCurrentIndex(c.ItemIndex);
            break;
        }
        default:
            break;
    }
}

PaintBoxWidget::PaintBoxWidget(FormView& view, std::string name, QWidget* parent)
    : QWidget(parent), view_(view), name_(std::move(name)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBoxWidget::paintEvent(QPaintEvent*) {
    // A repaint from the window system runs the form's paint handler (the cursor part when
    // nothing changed), then shows the picture as it stands.
    if (!painting_) {
        painting_ = true;
        try {
            view_.Model().Paint(name_);
        } catch (const std::exception&) {
            // The picture keeps its last state; the next event reports what is wrong.
        }
        view_.Sync();
        painting_ = false;
    }
    QPainter painter(this);
    if (const Bitmap* picture = view_.Model().Canvas(name_)) painter.drawImage(0, 0, ImageOf(*picture));
}

void PaintBoxWidget::mousePressEvent(QMouseEvent* event) {
    MouseButton button = MouseButton::Left;
    if (event->button() == Qt::RightButton) button = MouseButton::Right;
    if (event->button() == Qt::MiddleButton) button = MouseButton::Middle;
    const QPoint p = event->position().toPoint();
    view_.Dispatch([&] { view_.Model().MouseDown(name_, button, p.x(), p.y()); });
}

}  // namespace ztmca
