#pragma once

#include <string>

namespace platform::ui {

class TextField;

// Told about a text field's editing; every operation is optional (the questions answer yes).
class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    virtual bool textFieldShouldBeginEditing(TextField&) { return true; }
    virtual void textFieldDidBeginEditing(TextField&) {}
    virtual bool textFieldShouldEndEditing(TextField&) { return true; }
    virtual void textFieldDidEndEditing(TextField&) {}
    // The characters in [location, location + length) are about to become the replacement.
    virtual bool textFieldShouldChangeCharacters(TextField&, std::size_t /*location*/, std::size_t /*length*/,
                                                 const std::string& /*replacement*/) {
        return true;
    }
    virtual bool textFieldShouldClear(TextField&) { return true; }
    virtual bool textFieldShouldReturn(TextField&) { return true; }
};

}  // namespace platform::ui
