#include "import/xml_tree.h"

#include <expat.h>

#include <algorithm>
#include <optional>

#include "import/statement.h"

namespace qbk {
namespace {

// Nesting deeper than any statement needs is refused rather than followed, so that a
// hostile file cannot exhaust the stack of a later walk.
constexpr std::size_t kMostLevels = 256;

// Expat is fed in pieces its int lengths can hold.
constexpr std::size_t kPiece = std::size_t{1} << 24;

bool isXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimXmlSpace(std::string_view t) {
    while (!t.empty() && isXmlSpace(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isXmlSpace(t.back()))
        t.remove_suffix(1);
    return t;
}

std::string_view localName(std::string_view name) {
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Builds the tree from expat's callbacks. Problems found by the callbacks stop the
// parser and are kept here, so that the message names the statement's own terms.
class TreeBuilder {
  public:
    TreeBuilder(std::string_view text, std::string_view kind) : text_(text), kind_(kind) {}

    std::unique_ptr<XmlElement> build() {
        XML_Parser parser = XML_ParserCreate("UTF-8");  // the text is UTF-8 whatever it declares
        if (parser == nullptr) throw std::bad_alloc();
        parser_ = parser;
        XML_SetUserData(parser, this);
        XML_SetElementHandler(parser, &TreeBuilder::onStart, &TreeBuilder::onEnd);
        XML_SetCharacterDataHandler(parser, &TreeBuilder::onText);
        // No entity is ever defined or loaded: a document cannot reach outside its text
        // nor grow by expansion.
        XML_SetEntityDeclHandler(parser, &TreeBuilder::onEntityDeclaration);
        XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
        try {
            parse();
        } catch (...) {
            XML_ParserFree(parser);
            throw;
        }
        XML_ParserFree(parser);
        if (!root_) failAt(1, "the file holds no XML element");
        return std::move(root_);
    }

  private:
    void parse() {
        std::string_view rest = text_;
        do {
            const std::string_view piece = rest.substr(0, kPiece);
            rest.remove_prefix(piece.size());
            if (XML_Parse(parser_, piece.data(), static_cast<int>(piece.size()), rest.empty()) !=
                XML_STATUS_OK)
                failParse();
        } while (!rest.empty());
    }

    [[noreturn]] void failAt(std::size_t line, const std::string& what) const {
        failStatement(kind_, line, what);
    }

    [[noreturn]] void failParse() const {
        const auto line = static_cast<std::size_t>(XML_GetCurrentLineNumber(parser_));
        if (problem_) failAt(problemLine_, *problem_);
        const XML_Error code = XML_GetErrorCode(parser_);
        switch (code) {
            case XML_ERROR_TAG_MISMATCH:
                failAt(line, std::string(tokenAtError('<', '>')) + " closes no open element");
            case XML_ERROR_UNDEFINED_ENTITY:
                failAt(line, "\"" + std::string(tokenAtError('&', ';')) + "\" is no entity of XML");
            case XML_ERROR_NO_ELEMENTS:
                if (!open_.empty()) failAt(line, "<" + open_.back()->name + "> is not closed");
                failAt(line, "the file holds no XML element");
            default:
                failAt(line, XML_ErrorString(code));
        }
    }

    // The markup from `open` to `close` where expat stopped (it points into the token),
    // at most 40 bytes of it.
    std::string_view tokenAtError(char open, char close) const {
        const XML_Index at = XML_GetCurrentByteIndex(parser_);
        if (at < 0 || static_cast<std::size_t>(at) >= text_.size()) return {};
        std::size_t begin = static_cast<std::size_t>(at);
        while (begin > 0 && text_[begin] != open)
            --begin;
        const std::size_t end = text_.find(close, begin);
        return text_.substr(
            begin,
            std::min<std::size_t>(
                end == std::string_view::npos ? std::string_view::npos : end - begin + 1, 40));
    }

    void stop(std::string what) {
        if (!problem_) {
            problem_ = std::move(what);
            problemLine_ = static_cast<std::size_t>(XML_GetCurrentLineNumber(parser_));
        }
        XML_StopParser(parser_, XML_FALSE);
    }

    static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char**) {
        auto* self = static_cast<TreeBuilder*>(data);
        if (self->problem_) return;
        if (self->open_.size() >= kMostLevels) return self->stop("elements are nested too deep");
        auto element = std::make_unique<XmlElement>();
        element->name = localName(name);
        element->line = static_cast<std::size_t>(XML_GetCurrentLineNumber(self->parser_));
        XmlElement* raw = element.get();
        if (self->open_.empty())
            self->root_ = std::move(element);
        else
            self->open_.back()->children.push_back(std::move(element));
        self->open_.push_back(raw);
    }

    // Expat may still report the event it stopped in (the end of an empty element
    // refused as too deep), so every callback after a problem is passed over.
    static void XMLCALL onEnd(void* data, const XML_Char*) {
        auto* self = static_cast<TreeBuilder*>(data);
        if (!self->problem_ && !self->open_.empty()) self->open_.pop_back();
    }

    static void XMLCALL onText(void* data, const XML_Char* s, int length) {
        auto* self = static_cast<TreeBuilder*>(data);
        if (!self->problem_ && !self->open_.empty())
            self->open_.back()->text.append(s, static_cast<std::size_t>(length));
    }

    static void XMLCALL onEntityDeclaration(void* data, const XML_Char* name, int, const XML_Char*,
                                            int, const XML_Char*, const XML_Char*, const XML_Char*,
                                            const XML_Char*) {
        static_cast<TreeBuilder*>(data)->stop("the file declares the entity \"" +
                                              std::string(name) + "\"");
    }

    std::string_view text_;
    std::string_view kind_;
    XML_Parser parser_ = nullptr;
    std::unique_ptr<XmlElement> root_;
    std::vector<XmlElement*> open_;
    std::optional<std::string> problem_;
    std::size_t problemLine_ = 0;
};

}  // namespace
const XmlElement* XmlElement::child(std::string_view childName) const {
    for (const auto& c : children)
        if (c->name == childName) return c.get();
    return nullptr;
}

const XmlElement* XmlElement::find(std::string_view path) const {
    const XmlElement* e = this;
    while (e != nullptr && !path.empty()) {
        const std::size_t slash = path.find('/');
        e = e->child(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return e;
}

std::string XmlElement::trimmedText() const {
    return std::string(trimXmlSpace(text));
}

std::string XmlElement::textAt(std::string_view path) const {
    const XmlElement* e = find(path);
    return e != nullptr ? e->trimmedText() : std::string();
}

std::unique_ptr<XmlElement> readXmlTree(std::string_view text, std::string_view kind) {
    return TreeBuilder(text, kind).build();
}

}  // namespace qbk
