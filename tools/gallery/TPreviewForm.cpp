#include "tools/gallery/TPreviewForm.h"

#include "platform/core/Exception.h"
#include "platform/forms/EmbeddedResources.h"
#include "platform/forms/FormParser.h"
#include "platform/window/Messages.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

namespace {

// Larger than any form resource a person writes, small enough to read whole.
constexpr std::uintmax_t kMaxResourceBytes = 4u << 20;

std::string ReadWholeFile(const std::filesystem::path& Path, const std::string& What) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(Path, error);
    if (error) {
        throw Exception("cannot read " + What + " " + Path.string() + ": " + error.message());
    }
    if (size > kMaxResourceBytes) {
        throw Exception(What + " " + Path.string() + " is larger than " +
                        std::to_string(kMaxResourceBytes) + " bytes");
    }
    std::ifstream in(Path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        throw Exception("cannot read " + What + " " + Path.string());
    }
    return bytes;
}

bool IsExtent(const std::string& Name) {
    return Name == "Width" || Name == "Height" || Name == "ClientWidth" || Name == "ClientHeight";
}

// Pictures by name become their bytes from the folder, sizes are checked, and event bindings go.
// Without a folder the pictures are the program's own, found by the reader under their names.
void PrepareObject(FormObject& Object, const std::optional<std::filesystem::path>& Folder) {
    std::vector<FormProperty> kept;
    for (FormProperty& property : Object.properties) {
        const std::string& first = property.path.front();
        if (first.size() > 2 && first.compare(0, 2, "On") == 0 && property.path.size() == 1) {
            continue;
        }
        const std::string& last = property.path.back();
        const std::string line = "Line " + std::to_string(property.line) + ": ";
        if (const auto* number = std::get_if<int64_t>(&property.value.data);
            number != nullptr && property.path.size() == 1 && IsExtent(last) &&
            (*number < 0 || *number > kMaxPreviewExtent)) {
            throw Exception(line + property.PathText() + " = " + std::to_string(*number) +
                            " is outside 0 to " + std::to_string(kMaxPreviewExtent));
        }
        if (const auto* file = std::get_if<std::string>(&property.value.data);
            file != nullptr && last == "Data" && Folder) {
            const std::filesystem::path name(*file);
            if (name.empty() || name.has_parent_path()) {
                throw Exception(line + "the picture '" + *file +
                                "' is not a file name in the form's folder");
            }
            std::string bytes;
            try {
                bytes = ReadWholeFile(*Folder / name, "the picture");
            } catch (const Exception& e) {
                throw Exception(line + e.Message());
            }
            property.value.data = FormBinary{std::vector<uint8_t>(bytes.begin(), bytes.end())};
        }
        kept.push_back(std::move(property));
    }
    Object.properties = std::move(kept);
    for (FormObject& child : Object.children) {
        PrepareObject(child, Folder);
    }
}

std::string sourcePath;
bool sourceBuiltIn = false;
FormReadMode sourceMode = FormReadMode::Run;

std::string BuiltInResource(const std::string& Name) {
    const auto bytes = FindEmbeddedResource(Name);
    if (!bytes) {
        throw Exception("the program has no form resource " + Name);
    }
    return std::string(bytes->begin(), bytes->end());
}

const FormClassInfo& PreviewInfo() {
    static const FormClassInfo info = FormClassInfo::Of<TPreviewForm>("TForm");
    return info;
}

} // namespace

void TPreviewForm::SetSource(const std::string& Path, FormReadMode Mode) {
    sourcePath = Path;
    sourceBuiltIn = false;
    sourceMode = Mode;
}

void TPreviewForm::SetBuiltInSource(const std::string& Name, FormReadMode Mode) {
    sourcePath = Name;
    sourceBuiltIn = true;
    sourceMode = Mode;
}

TPreviewForm::TPreviewForm(TComponent* Owner) : TForm(Owner), FEvents(&std::cout) {
    const std::string& Path = sourcePath;
    const FormReadMode Mode = sourceMode;
    const std::filesystem::path path(Path);
    try {
        FormObject resource = ParseFormResource(
            sourceBuiltIn ? BuiltInResource(Path) : ReadWholeFile(path, "the form resource"));
        resource.className = ClassName();
        std::optional<std::filesystem::path> folder;
        if (!sourceBuiltIn) {
            folder = path.parent_path().empty() ? "." : path.parent_path();
        }
        PrepareObject(resource, folder);
        ReadFormResource(*this, PreviewInfo(), resource, Mode);
    } catch (const Exception& e) {
        throw Exception(Path + ": " + e.Message());
    }
    if (Mode == FormReadMode::Design) {
        SetDesigner(this);
    }
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(Components(i));
        if (control != nullptr && !control->Name().empty()) {
            control->OnClick = [this](TObject* Sender) {
                *FEvents << static_cast<TComponent*>(Sender)->Name() << " OnClick" << std::endl;
            };
        }
    }
}

bool TPreviewForm::IsDesignMsg(TControl* Sender, TMessage& Message) {
    if (Message.Msg == WM_LBUTTONDOWN) {
        TControl* named = Sender;
        while (named->Name().empty() && named->Parent() != nullptr) {
            named = named->Parent();
        }
        *FEvents << "select " << named->Name() << std::endl;
    }
    return true;
}
