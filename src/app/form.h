#pragma once
// A window as plain data: every control's state under its design name, and the event handlers
// bound by control and event. The window layer builds widgets from the control list, forwards
// widget events here and shows the state again afterwards; tests drive forms directly.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/form_host.h"
#include "display/bitmap.h"

namespace ztmca {

enum class ControlKind {
    Menu,
    MenuItem,
    Separator,
    GroupBox,
    Panel,
    PageControl,
    TabSheet,
    Button,
    CheckBox,
    RadioButton,
    RadioGroup,
    Edit,
    Label,
    ComboBox,
    ColorBox,
    PaintBox,
    Image,
    Timer,
};

enum class Event { Click, Change, MouseDown, MouseWheelDown, MouseWheelUp, Resize, Paint, Timer, Close };
enum class MouseButton { Left, Right, Middle };
enum class WindowState { Normal, Maximized, Minimized };
enum class ModalResult { None, Ok, Cancel };

constexpr Colour kDefaultColour = 0xFFFFFFFFu;  // the toolkit's own colour for the control kind

struct Control {
    std::string Name;
    ControlKind Kind = ControlKind::Label;
    std::string Parent;  // empty: the form itself; a menu item's parent is its menu
    std::string Text;    // caption, or an edit box's text
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool ReadOnly = false;
    bool Highlighted = false;  // tab sheets: the tab is shown highlighted
    int ItemIndex = -1;        // radio group item, list selection, or a page control's active page
    std::vector<std::string> Items;
    std::vector<Colour> ItemColours;  // colour boxes: the colour of each item
    Colour Color = kDefaultColour;    // background; a colour box's selected colour
    int Interval = 0;                 // timers, in milliseconds
    bool AnchorRight = false;         // keeps its distance to the form's right edge
    bool Default = false;             // buttons of a dialog: the Enter key presses it
};

struct EventArgs {
    MouseButton Button = MouseButton::Left;
    int X = 0;
    int Y = 0;
    WindowState Previous = WindowState::Normal;
};

class Form {
public:
    using Handler = std::function<void(const EventArgs&)>;

    Form(FormHost& host, std::string name, std::string className, std::string caption, int clientWidth,
         int clientHeight);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& ClassName() const { return className_; }
    FormHost& Host() { return host_; }

    std::string Caption;
    int ClientWidth;
    int ClientHeight;
    bool BoldFont = false;
    int MaxWidth = 0;  // 0: no limit
    int MaxHeight = 0;
    ModalResult Result = ModalResult::None;  // a dialog's handler sets it to end the modal run

    std::vector<Control>& Controls() { return controls_; }
    const std::vector<Control>& Controls() const { return controls_; }
    bool Has(std::string_view name) const;
    // Unknown names throw std::out_of_range: a wrong name is a programming error.
    Control& operator[](std::string_view name);
    const Control& operator[](std::string_view name) const;
    // Children of a control in design order (the form's own: parent "").
    std::vector<const Control*> Children(std::string_view parent) const;

    // What the operator does. Each changes the control as the toolkit would, then runs its handler.
    void Click(std::string_view name);
    void EnterText(std::string_view name, std::string_view text);
    void SelectItem(std::string_view name, int index);
    void MouseDown(std::string_view name, MouseButton button, int x, int y);
    void MouseWheel(bool down);
    void Resize(WindowState previous);
    void Paint(std::string_view name);
    void TimerTick(std::string_view name);
    void Close();

    // Changes made by handlers. As in the toolkit, changing a check box, radio button or radio
    // group runs its click handler, and changing an edit box's text runs its change handler.
    void SetChecked(std::string_view name, bool checked);
    void SetText(std::string_view name, std::string_view text);
    // The decimal text of a number, with an optional unit after it ("512ch").
    void SetNumber(std::string_view name, std::int64_t value, const char* suffix = "");
    void SetItemIndex(std::string_view name, int index);
    void SetColour(std::string_view name, Colour colour);  // selects the colour box item of that colour

    // The picture of a paint box, or null for other controls.
    virtual const Bitmap* Canvas(std::string_view paintBox) const;

protected:
    Control& Add(ControlKind kind, std::string name, std::string parent, std::string text, int left, int top,
                 int width, int height);
    void On(std::string_view name, Event event, Handler handler);
    void On(std::string_view name, Event event, std::function<void()> handler);
    void Fire(std::string_view name, Event event, const EventArgs& args = {});

private:
    void UncheckSiblings(const Control& radio);

    FormHost& host_;
    std::string name_;
    std::string className_;
    std::vector<Control> controls_;
    std::map<std::string, std::size_t, std::less<>> index_;
    struct HandlerKey {
        std::string Name;
        Event Kind;
    };
    struct HandlerKeyView {
        std::string_view Name;
        Event Kind;
    };
    struct HandlerLess {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            const std::string_view an = a.Name, bn = b.Name;
            return an < bn || (an == bn && a.Kind < b.Kind);
        }
    };
    std::map<HandlerKey, Handler, HandlerLess> handlers_;
};

}  // namespace ztmca
