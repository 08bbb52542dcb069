#pragma once
// Builds a form from its form resource. The resource's own object is the form: its class must
// be the form's class, and its properties are those of the form class's property class (see
// FormClassInfo). Every nested object becomes a component owned by the form, created by class
// name and named as the resource names it; controls go into the control they are nested in,
// menu items into their menu, other components stand directly under the form. Properties are
// set in resource order, component references once every component exists, the form's fields
// then receive the components of their names, and finally each component, the form last,
// hears Loaded.
//
//   object TfrmMain: TTfrmMain
//     Caption = 'frmMain'
//     Font.Height = -11
//     OnShow = FormShow
//     object imgBackground: TImage
//       Left = 0
//       Picture.Data = 'background.bmp'
//       OnMouseDown = imgBackgroundMouseDown
//     end
//   end
//
// Read for design (FormReadMode::Design), the form and every component it owns are being
// designed (csDesigning) from before their first property is set, so setters and Loaded see
// it: what behaves differently on a design surface does so from the start.
//
// An unknown class or property, a value the property does not take, a handler the form does
// not have and a reference to a component that is not there are refused with a class library
// exception (EClassNotFound, EPropertyError, EReadError) whose message starts with the line.

#include "platform/binding/FormClassInfo.h"
#include "platform/forms/FormTree.h"

#include <string_view>

class TComponent;

enum class FormReadMode { Run, Design };

void ReadFormResource(TComponent& Root, const FormClassInfo& Info, const FormObject& Resource,
                      FormReadMode Mode = FormReadMode::Run);
// Parses the text first; text that is no form resource throws EParserError.
void ReadFormResource(TComponent& Root, const FormClassInfo& Info, std::string_view Text,
                      FormReadMode Mode = FormReadMode::Run);

// Reads the resource built into the program as "<class name>.dfm" (TTfrmMain.dfm) into the
// instance. False, with nothing done, when there is no such resource.
bool InitInheritedComponent(TComponent& Instance, const FormClassInfo& Info,
                            FormReadMode Mode = FormReadMode::Run);
