// Texts both front ends show, kept translatable while the core stays Qt-free.
// The core writes each in English as a template (%1, %2... for file names and
// numbers); the command line prints it as it stands, the window translates the
// template (the English text is the key) before it puts the same arguments in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a text for the window's translation tools; the core sees only the
// English. The context groups texts in the translators' catalogue.
#define CORE_TEXT(context, text) text
// The catalogue context of every text marked in the core.
inline constexpr char CoreTextContext[] = "Plicora";

// Puts args into a template in one pass: %1 is args[0], %2 args[1]... A %n
// without its argument, and whatever an argument holds ("%2" in a file name
// included), stays as it is.
std::string FillTemplate(std::string_view pattern, const std::vector<std::string>& args);

struct TCoreText
{
    TCoreText() = default;
    // A marked text without arguments.
    TCoreText(const char* pattern) : Template(pattern) {}
    TCoreText(const char* pattern, std::vector<std::string> args) : Template(pattern), Args(std::move(args))
    {
    }

    // A text the core did not write (a system's or a library's words): shown as
    // it is, untranslated.
    static TCoreText Verbatim(std::string text) { return {"%1", {std::move(text)}}; }

    const char* Template = "";
    std::vector<std::string> Args;

    bool empty() const
    {
        return Template[0] == '\0' || (std::string_view(Template) == "%1" && Args.at(0).empty());
    }
    // The English text, as the command line prints it.
    std::string Str() const { return FillTemplate(Template, Args); }
};
