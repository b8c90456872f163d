// The XML of bank statements as a tree: elements, their text and the line each begins
// on, read with expat. Attributes, comments, processing instructions and the document
// type are passed over; namespace prefixes are dropped from names; the five named
// entities, character references and CDATA sections are read. A document that declares
// an entity is refused, so no entity is ever defined, expanded or loaded and a document
// cannot reach outside its own text.
#ifndef QBK_IMPORT_XML_TREE_H_
#define QBK_IMPORT_XML_TREE_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbk {

struct XmlElement {
    std::string name;  // the local name, without a namespace prefix
    std::string text;  // the character data directly inside, UTF-8, blanks kept
    std::size_t line = 0;
    std::vector<std::unique_ptr<XmlElement>> children;

    // The first child of that name, or nullptr.
    const XmlElement* child(std::string_view childName) const;
    // The element down a "/"-separated path of child names ("BookgDt/Dt"), or nullptr.
    const XmlElement* find(std::string_view path) const;
    // The text without the white space (blanks, tabs, line ends) around it.
    std::string trimmedText() const;
    // The trimmed text at `path`; "" when there is no such element.
    std::string textAt(std::string_view path) const;
};

// The root element of the UTF-8 document `text`. Throws OperationError (type mismatch)
// "Damaged `kind` file, line N: ..." when it is not well formed: an unclosed or
// mismatched element, an unknown or declared entity, text after the root, more than 256
// levels.
std::unique_ptr<XmlElement> readXmlTree(std::string_view text, std::string_view kind);

}  // namespace qbk

#endif  // QBK_IMPORT_XML_TREE_H_
