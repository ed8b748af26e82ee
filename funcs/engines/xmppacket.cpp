#include "engines/xmppacket.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char* RdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";

bool IsNameChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
           c == '.' || c == '-' || c == '_';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Where the quoted value of an attribute whose name ends at i begins (after
// blanks, '=', blanks and its quote), and in close where it ends; npos when
// no value follows.
std::size_t AttributeValue(const std::string& packet, std::size_t i, std::size_t& close)
{
    while (i < packet.size() && IsBlank(packet[i]))
        ++i;
    if (i >= packet.size() || packet[i] != '=')
        return std::string::npos;
    ++i;
    while (i < packet.size() && IsBlank(packet[i]))
        ++i;
    if (i >= packet.size() || (packet[i] != '"' && packet[i] != '\''))
        return std::string::npos;
    close = packet.find(packet[i], i + 1);
    return close == std::string::npos ? close : i + 1;
}

// The prefixes bound to uri anywhere in the packet (xmlns:p="uri").
std::vector<std::string> PrefixesOf(const std::string& packet, const std::string& uri)
{
    std::vector<std::string> prefixes;
    for (std::size_t at = packet.find("xmlns:"); at != std::string::npos;
         at = packet.find("xmlns:", at + 6)) {
        std::size_t end = at + 6;
        while (end < packet.size() && IsNameChar(packet[end]))
            ++end;
        const std::string prefix = packet.substr(at + 6, end - at - 6);
        std::size_t close = 0;
        const std::size_t value = AttributeValue(packet, end, close);
        if (!prefix.empty() && value != std::string::npos && packet.compare(value, close - value, uri) == 0 &&
            std::find(prefixes.begin(), prefixes.end(), prefix) == prefixes.end())
            prefixes.push_back(prefix);
    }
    return prefixes;
}

// Where a tag that starts at lt ends (one past its '>'), quoted values skipped.
std::size_t TagEnd(const std::string& packet, std::size_t lt)
{
    char quote = 0;
    for (std::size_t i = lt + 1; i < packet.size(); ++i) {
        const char c = packet[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return std::string::npos;
}

bool InsideTag(const std::string& packet, std::size_t at)
{
    const std::size_t lt = packet.rfind('<', at);
    const std::size_t gt = packet.rfind('>', at);
    return lt != std::string::npos && (gt == std::string::npos || gt < lt);
}

// A property's occurrence: [Begin, End) is the element or the attribute with its
// leading blank; [ValueBegin, ValueEnd) its text.
struct TSpan
{
    std::size_t Begin = 0, End = 0, ValueBegin = 0, ValueEnd = 0;
    bool Element = false;
};

// The next occurrence of qname at or after from, as an element or an attribute.
bool FindProperty(const std::string& packet, const std::string& qname, std::size_t from, TSpan& span)
{
    for (std::size_t at = packet.find(qname, from); at != std::string::npos;
         at = packet.find(qname, at + 1)) {
        const std::size_t after = at + qname.size();
        if (after >= packet.size())
            return false;
        if (at > 0 && packet[at - 1] == '<' &&
            (IsBlank(packet[after]) || packet[after] == '>' || packet[after] == '/')) {
            const std::size_t end = TagEnd(packet, at - 1);
            if (end == std::string::npos)
                return false;
            span.Element = true;
            span.Begin = at - 1;
            if (packet[end - 2] == '/') {
                span.End = span.ValueBegin = span.ValueEnd = end;
                return true;
            }
            const std::size_t close = packet.find("</" + qname, end);
            const std::size_t closeEnd = close == std::string::npos ? close : TagEnd(packet, close);
            if (closeEnd == std::string::npos)
                return false;
            span.ValueBegin = end;
            span.ValueEnd = close;
            span.End = closeEnd;
            return true;
        }
        if (at > 0 && IsBlank(packet[at - 1]) && InsideTag(packet, at)) {
            std::size_t close = 0;
            const std::size_t value = AttributeValue(packet, after, close);
            if (value == std::string::npos)
                continue;
            span.Element = false;
            span.Begin = at - 1;
            span.ValueBegin = value;
            span.ValueEnd = close;
            span.End = close + 1;
            return true;
        }
    }
    return false;
}

} // namespace

bool SetXmpProperty(std::string& packet, const TXmpProperty& property, const std::string& value)
{
    const std::string text = Escaped(value);
    bool found = false;
    for (const std::string& prefix : PrefixesOf(packet, property.Namespace)) {
        const std::string qname = prefix + ":" + property.Name;
        TSpan span;
        for (std::size_t from = 0; FindProperty(packet, qname, from, span);) {
            // An element is written whole again: an empty one has no place for text.
            const std::string with = span.Element ? "<" + qname + ">" + text + "</" + qname + ">" : text;
            const std::size_t begin = span.Element ? span.Begin : span.ValueBegin;
            const std::size_t end = span.Element ? span.End : span.ValueEnd;
            packet.replace(begin, end - begin, with);
            from = begin + with.size();
            found = true;
        }
    }
    if (found)
        return true;
    for (const std::string& rdf : PrefixesOf(packet, RdfNamespace)) {
        const std::size_t close = packet.find("</" + rdf + ":RDF");
        if (close == std::string::npos)
            continue;
        const std::string qname = std::string(property.Prefix) + ":" + property.Name;
        packet.insert(close, "<" + rdf + ":Description " + rdf + ":about=\"\" xmlns:" + property.Prefix +
                                 "=\"" + property.Namespace + "\"><" + qname + ">" + text + "</" + qname +
                                 "></" + rdf + ":Description>\n");
        return true;
    }
    return false;
}

bool RemoveXmpProperty(std::string& packet, const TXmpProperty& property)
{
    bool found = false;
    for (const std::string& prefix : PrefixesOf(packet, property.Namespace)) {
        TSpan span;
        for (std::size_t from = 0; FindProperty(packet, prefix + ":" + property.Name, from, span);) {
            packet.erase(span.Begin, span.End - span.Begin);
            from = span.Begin;
            found = true;
        }
    }
    return found;
}
