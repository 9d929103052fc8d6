#include "app/form.h"

#include <cstdio>
#include <stdexcept>

namespace ztmca {

Form::Form(FormHost& host, std::string name, std::string className, std::string caption, int clientWidth,
           int clientHeight)
    : Caption(std::move(caption)),
      ClientWidth(clientWidth),
      ClientHeight(clientHeight),
      host_(host),
      name_(std::move(name)),
      className_(std::move(className)) {}

bool Form::Has(std::string_view name) const { return index_.find(name) != index_.end(); }

Control& Form::operator[](std::string_view name) {
    const auto it = index_.find(name);
    if (it == index_.end()) throw std::out_of_range("no control named " + std::string(name));
    return controls_[it->second];
}

const Control& Form::operator[](std::string_view name) const {
    const auto it = index_.find(name);
    if (it == index_.end()) throw std::out_of_range("no control named " + std::string(name));
    return controls_[it->second];
}

std::vector<const Control*> Form::Children(std::string_view parent) const {
    std::vector<const Control*> out;
    for (const Control& c : controls_)
        if (c.Parent == parent) out.push_back(&c);
    return out;
}

Control& Form::Add(ControlKind kind, std::string name, std::string parent, std::string text, int left, int top,
                   int width, int height) {
    if (Has(name)) throw std::logic_error("duplicate control " + name);
    Control c;
    c.Kind = kind;
    c.Name = std::move(name);
    c.Parent = std::move(parent);
    c.Text = std::move(text);
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    index_.emplace(c.Name, controls_.size());
    controls_.push_back(std::move(c));
    return controls_.back();
}

void Form::On(std::string_view name, Event event, Handler handler) {
    handlers_[HandlerKey{std::string(name), event}] = std::move(handler);
}

void Form::On(std::string_view name, Event event, std::function<void()> handler) {
    On(name, event, Handler([h = std::move(handler)](const EventArgs&) { h(); }));
}

void Form::Fire(std::string_view name, Event event, const EventArgs& args) {
    const auto it = handlers_.find(HandlerKeyView{name, event});
    if (it != handlers_.end()) it->second(args);
}

void Form::UncheckSiblings(const Control& radio) {
    for (Control& c : controls_)
        if (&c != &radio && c.Kind == ControlKind::RadioButton && c.Parent == radio.Parent) c.Checked = false;
}

void Form::Click(std::string_view name) {
    Control& c = (*this)[name];
    if (!c.Enabled) return;
    switch (c.Kind) {
        case ControlKind::CheckBox:
            SetChecked(name, !c.Checked);
            return;
        case ControlKind::RadioButton:
            if (!c.Checked) {
                SetChecked(name, true);
                return;
            }
            break;
        default:
            break;
    }
    Fire(name, Event::Click);
}

void Form::EnterText(std::string_view name, std::string_view text) {
    Control& c = (*this)[name];
    if (!c.Enabled || c.ReadOnly) return;
    SetText(name, text);
}

void Form::SelectItem(std::string_view name, int index) {
    Control& c = (*this)[name];
    if (!c.Enabled) return;
    if (c.Kind == ControlKind::ColorBox) {
        if (index < 0 || index >= static_cast<int>(c.ItemColours.size())) return;
        c.ItemIndex = index;
        c.Color = c.ItemColours[index];
        Fire(name, Event::Change);
        return;
    }
    if (c.Kind == ControlKind::RadioGroup) {
        SetItemIndex(name, index);
        return;
    }
    c.ItemIndex = index;
    Fire(name, Event::Change);
}

void Form::MouseDown(std::string_view name, MouseButton button, int x, int y) {
    EventArgs args;
    args.Button = button;
    args.X = x;
    args.Y = y;
    Fire(name, Event::MouseDown, args);
}

void Form::MouseWheel(bool down) { Fire(name_, down ? Event::MouseWheelDown : Event::MouseWheelUp); }

void Form::Resize(WindowState previous) {
    EventArgs args;
    args.Previous = previous;
    Fire(name_, Event::Resize, args);
}

void Form::Paint(std::string_view name) { Fire(name, Event::Paint); }

void Form::TimerTick(std::string_view name) {
    if ((*this)[name].Enabled) Fire(name, Event::Timer);
}

void Form::Close() { Fire(name_, Event::Close); }

void Form::SetChecked(std::string_view name, bool checked) {
    Control& c = (*this)[name];
    if (c.Checked == checked) return;
    c.Checked = checked;
    if (checked && c.Kind == ControlKind::RadioButton) UncheckSiblings(c);
    // A radio button that loses its check runs no handler; one that gains it does.
    if (c.Kind == ControlKind::RadioButton && !checked) return;
    Fire(name, Event::Click);
}

void Form::SetText(std::string_view name, std::string_view text) {
    Control& c = (*this)[name];
    if (c.Text == text) return;
    c.Text.assign(text);
    if (c.Kind == ControlKind::Edit) Fire(name, Event::Change);
}

void Form::SetNumber(std::string_view name, std::int64_t value, const char* suffix) {
    char text[48];
    std::snprintf(text, sizeof text, "%lld%s", static_cast<long long>(value), suffix);
    SetText(name, text);
}

void Form::SetItemIndex(std::string_view name, int index) {
    Control& c = (*this)[name];
    if (c.ItemIndex == index) return;
    c.ItemIndex = index;
    if (c.Kind == ControlKind::RadioGroup) Fire(name, Event::Click);
}

void Form::SetColour(std::string_view name, Colour colour) {
    Control& c = (*this)[name];
    c.Color = colour;
    c.ItemIndex = -1;
    for (std::size_t i = 0; i < c.ItemColours.size(); ++i) {
        if (c.ItemColours[i] == colour) {
            c.ItemIndex = static_cast<int>(i);
            return;
        }
    }
}

const Bitmap* Form::Canvas(std::string_view) const { return nullptr; }

}  // namespace ztmca
