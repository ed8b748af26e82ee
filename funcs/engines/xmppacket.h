// Simple properties of an XMP metadata packet, edited as text: everything else in
// the packet (other properties, layout, padding) stays byte for byte, so the
// metadata a document brings is kept whatever schemas it uses. Only the simple
// (text-valued) properties a copy must update are touched: its producer, its
// dates, the conformance claims it may no longer meet.
#pragma once

#include <string>

struct TXmpProperty
{
    const char* Namespace; // the schema's URI: "http://ns.adobe.com/pdf/1.3/"
    const char* Prefix;    // for a property the packet lacks, when it binds none to Namespace: "pdf"
    const char* Name;      // "Producer"
};

// Sets the property to value (plain text; escaped here) wherever it stands, as an
// element or as an attribute of a description, under any prefix bound to its
// namespace; a property the packet lacks is added in a description of its own.
// False, and packet unchanged, when the packet holds no rdf:RDF element to add to.
bool SetXmpProperty(std::string& packet, const TXmpProperty& property, const std::string& value);

// Removes the property wherever it stands; true when there was one.
bool RemoveXmpProperty(std::string& packet, const TXmpProperty& property);
