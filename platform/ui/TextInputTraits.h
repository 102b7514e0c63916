#pragma once

namespace platform::ui {

enum class ReturnKeyType { Default = 0, Go, Google, Join, Next, Route, Search, Send, Yahoo, Done, EmergencyCall };

enum class KeyboardType {
    Default = 0,
    ASCIICapable,
    NumbersAndPunctuation,
    URL,
    NumberPad,
    PhonePad,
    NamePhonePad,
    EmailAddress
};

enum class TextFieldViewMode { Never = 0, WhileEditing, UnlessEditing, Always };

enum class TextBorderStyle { None = 0, Line, Bezel, RoundedRect };

}  // namespace platform::ui
