#pragma once
// The Arabic presentation forms (U+FB50..FDFF, U+FE70..FEFC) by their compatibility
// decomposition: the letters a form is made of and the sides on which it joins its neighbours.
// The table (ArabicFormsTable.cpp) is written by scripts/arabic-forms.

#include <cstdint>
#include <string_view>

enum class TJoiningForm : uint8_t { Isolated, Initial, Medial, Final };

struct TPresentationForm {
    uint16_t Code;
    TJoiningForm Form;
    std::u16string_view Letters; // in logical order
};

// None for a code that is not a presentation form with a decomposition.
const TPresentationForm* FindPresentationForm(uint16_t code);

// Arabic runs right to left: a form joins the following letter on its left side and the
// preceding letter on its right side.
constexpr bool JoinsLeft(TJoiningForm form)
{
    return form == TJoiningForm::Initial || form == TJoiningForm::Medial;
}
constexpr bool JoinsRight(TJoiningForm form)
{
    return form == TJoiningForm::Final || form == TJoiningForm::Medial;
}
