#pragma once
// A form read from a form resource on disk, shown as the program that owns the resource would
// show it. The resource's own class is taken for this one; the pictures it names ("Data"
// properties with a file name) are read from the resource's folder; its event bindings name
// handlers of a program that is not here, so they are left out, and every control's click
// writes "<name> OnClick" on the event stream instead.
//
// The file is outside input: a resource that cannot be read, is no form resource, names a
// class, property or value the classes do not take, a picture that cannot be read, or a size
// beyond kMaxPreviewExtent is refused with an Exception whose message names the file and,
// where there is one, the line.
//
// Read for design, the form is its own designer: a click selects the control under the pointer
// (the topmost one that takes mouse input, so a panel hidden at design time lets it through to
// what lies beneath) and writes "select <name>"; no control sees the mouse.

#include "platform/binding/FormReader.h"
#include "platform/controls/DesignerHook.h"
#include "platform/controls/TCustomForm.h"

#include <iosfwd>
#include <string>

inline constexpr int kMaxPreviewExtent = 8192;

class TPreviewForm : public TForm, private IDesignerHook {
public:
    HUSHWAVE_CLASS_NAME(TPreviewForm)

    // The resource the next TPreviewForm reads; FormReadMode::Design reads it as a designer
    // would.
    static void SetSource(const std::string& Path, FormReadMode Mode);
    // Or a form resource built into the program, with the pictures it names built in as well.
    static void SetBuiltInSource(const std::string& Name, FormReadMode Mode);

    explicit TPreviewForm(TComponent* Owner);

    // Where the click lines go; standard output unless set.
    void SetEventStream(std::ostream& Stream) { FEvents = &Stream; }

private:
    bool IsDesignMsg(TControl* Sender, TMessage& Message) override;

    std::ostream* FEvents;
};
