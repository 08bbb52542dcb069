#pragma once
// Controls that write what happens to them into one shared log, so tests can compare the
// order of events across controls.

#include "platform/controls/TCustomForm.h"
#include "platform/controls/TWinControl.h"

#include <string>
#include <utility>
#include <vector>

struct EventLog {
    std::vector<std::string> lines;
    std::vector<std::string> Take() { return std::exchange(lines, {}); }
};

inline std::string Describe(TMouseButton button) {
    return button == mbLeft ? "left" : button == mbRight ? "right" : "middle";
}

template <class Base> class Recording : public Base {
public:
    Recording(TComponent* owner, EventLog& log, const std::string& name) : Base(owner), m_log(log) {
        Base::SetName(name);
    }

    void Click() override {
        Note("click");
        Base::Click();
    }
    void DblClick() override {
        Note("dblclick");
        Base::DblClick();
    }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        Note("down " + Describe(button) + (shift.Contains(ssDouble) ? " double" : "") + " " +
             std::to_string(x) + "," + std::to_string(y));
        Base::MouseDown(button, shift, x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
        Note("up " + Describe(button) + " " + std::to_string(x) + "," + std::to_string(y));
        Base::MouseUp(button, shift, x, y);
    }
    void MouseMove(TShiftState, int x, int y) override {
        Note("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void Note(const std::string& what) { m_log.lines.push_back(Base::Name() + " " + what); }

    EventLog& m_log;
};

template <class Base> class RecordingWindowed : public Recording<Base> {
public:
    using Recording<Base>::Recording;

    void Dispatch(TMessage& message) override {
        if (message.Msg == WM_CAPTURECHANGED) {
            this->Note("capture lost");
        }
        Recording<Base>::Dispatch(message);
    }

protected:
    void DoEnter() override {
        this->Note("enter");
        Recording<Base>::DoEnter();
    }
    void DoExit() override {
        this->Note("exit");
        Recording<Base>::DoExit();
    }
    void KeyDown(WORD& key, TShiftState shift) override {
        this->Note("key down " + std::to_string(key));
        Recording<Base>::KeyDown(key, shift);
    }
    void KeyUp(WORD& key, TShiftState shift) override {
        this->Note("key up " + std::to_string(key));
        Recording<Base>::KeyUp(key, shift);
    }
    void KeyPress(char& key) override {
        this->Note(std::string("char ") + key);
        Recording<Base>::KeyPress(key);
    }
};

using Spot = Recording<TControl>;           // a non-windowed control
using Box = RecordingWindowed<TWinControl>; // a windowed control
using RecordingForm = RecordingWindowed<TForm>;
