#include "import/xml_tree.h"

#include <cstdint>

#include "import/statement.h"

namespace qbk {
namespace {

// Nesting deeper than any statement needs is refused rather than followed, so that a
// hostile file cannot exhaust the stack of a later walk.
constexpr std::size_t kMostLevels = 256;

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

bool isNameCharacter(char c) {
    return c != '>' && c != '/' && c != '=' && c != ' ' && c != '\t' && c != '\r' && c != '\n';
}

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class Reader {
  public:
    Reader(std::string_view text, std::string_view kind) : t_(text), kind_(kind) {}

    std::unique_ptr<XmlElement> document() {
        std::vector<XmlElement*> open;
        std::unique_ptr<XmlElement> root;
        while (at_ < t_.size()) {
            if (t_[at_] != '<') {
                const std::size_t lt = t_.find('<', at_);
                const std::string_view data =
                    t_.substr(at_, lt == std::string_view::npos ? lt : lt - at_);
                if (open.empty()) {
                    if (!trimXmlSpace(data).empty()) fail("text outside the document's element");
                    advance(data.size());
                } else {
                    decodeInto(data, open.back()->text);
                }
                continue;
            }
            if (startsWith("<!--")) {
                skipPast("-->", "a comment is not closed");
            } else if (startsWith("<![CDATA[")) {
                if (open.empty()) fail("text outside the document's element");
                advance(9);
                const std::size_t end = t_.find("]]>", at_);
                if (end == std::string_view::npos) fail("a CDATA section is not closed");
                open.back()->text += t_.substr(at_, end - at_);
                advance(end - at_ + 3);
            } else if (startsWith("<?")) {
                skipPast("?>", "a processing instruction is not closed");
            } else if (startsWith("<!")) {
                skipDeclaration();
            } else if (startsWith("</")) {
                advance(2);
                const std::string_view name = readName();
                skipBlanks();
                if (at_ >= t_.size() || t_[at_] != '>') fail("an end tag is not closed");
                advance(1);
                if (open.empty() || localName(name) != open.back()->name)
                    fail("</" + std::string(name) + "> closes no open element");
                open.pop_back();
            } else {
                const std::size_t line = line_;
                advance(1);
                const std::string_view name = readName();
                if (name.empty()) fail("a tag has no name");
                const bool empty = skipAttributes();
                if (open.empty() && root) fail("a second document element");
                auto element = std::make_unique<XmlElement>();
                element->name = localName(name);
                element->line = line;
                XmlElement* raw = element.get();
                if (open.empty())
                    root = std::move(element);
                else
                    open.back()->children.push_back(std::move(element));
                if (!empty) {
                    if (open.size() >= kMostLevels) fail("elements are nested too deep");
                    open.push_back(raw);
                }
            }
        }
        if (!open.empty()) fail("<" + open.back()->name + "> is not closed");
        if (!root) fail("the file holds no XML element");
        return root;
    }

  private:
    [[noreturn]] void fail(const std::string& what) const { failStatement(kind_, line_, what); }

    bool startsWith(std::string_view s) const { return t_.substr(at_).starts_with(s); }

    void advance(std::size_t n) {
        for (std::size_t i = 0; i < n && at_ < t_.size(); ++i)
            if (t_[at_++] == '\n') ++line_;
    }

    void skipBlanks() {
        while (at_ < t_.size() && isXmlSpace(t_[at_]))
            advance(1);
    }

    void skipPast(std::string_view end, const char* problem) {
        const std::size_t found = t_.find(end, at_);
        if (found == std::string_view::npos) fail(problem);
        advance(found - at_ + end.size());
    }

    // <!DOCTYPE ...> with an internal subset in brackets; its declarations are not used.
    void skipDeclaration() {
        int brackets = 0;
        while (at_ < t_.size()) {
            const char c = t_[at_];
            advance(1);
            if (c == '[') ++brackets;
            if (c == ']') --brackets;
            if (c == '>' && brackets <= 0) return;
        }
        fail("a declaration is not closed");
    }

    std::string_view readName() {
        const std::size_t start = at_;
        while (at_ < t_.size() && isNameCharacter(t_[at_]))
            ++at_;
        return t_.substr(start, at_ - start);
    }

    // Passes over the attributes up to the tag's end; true for an empty element "/>".
    bool skipAttributes() {
        while (true) {
            skipBlanks();
            if (at_ >= t_.size()) fail("a tag is not closed");
            if (t_[at_] == '>') {
                advance(1);
                return false;
            }
            if (startsWith("/>")) {
                advance(2);
                return true;
            }
            if (readName().empty()) fail("a tag is not closed");
            skipBlanks();
            if (at_ >= t_.size() || t_[at_] != '=') fail("an attribute has no value");
            advance(1);
            skipBlanks();
            if (at_ >= t_.size() || (t_[at_] != '"' && t_[at_] != '\''))
                fail("an attribute has no value");
            const char quote = t_[at_];
            advance(1);
            const std::size_t end = t_.find(quote, at_);
            if (end == std::string_view::npos) fail("an attribute's value is not closed");
            advance(end - at_ + 1);
        }
    }

    void decodeInto(std::string_view data, std::string& out) {
        for (std::size_t i = 0; i < data.size(); ++i) {
            if (data[i] != '&') {
                out += data[i];
                continue;
            }
            const std::size_t semicolon = data.find(';', i);
            if (semicolon == std::string_view::npos || semicolon - i > 12)
                fail("\"&\" begins no entity");
            const std::string_view entity = data.substr(i + 1, semicolon - i - 1);
            if (entity == "lt")
                out += '<';
            else if (entity == "gt")
                out += '>';
            else if (entity == "amp")
                out += '&';
            else if (entity == "quot")
                out += '"';
            else if (entity == "apos")
                out += '\'';
            else if (entity.size() > 1 && entity[0] == '#')
                out += characterReference(entity);
            else
                fail("\"&" + std::string(entity) + ";\" is no entity of XML");
            i = semicolon;
        }
        advance(data.size());
    }

    std::string characterReference(std::string_view entity) {
        const bool hex = entity[1] == 'x' || entity[1] == 'X';
        const std::string_view digits = entity.substr(hex ? 2 : 1);
        std::uint32_t c = 0;
        for (const char d : digits) {
            const int v = d >= '0' && d <= '9'          ? d - '0'
                          : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                          : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                        : -1;
            if (v < 0) fail("\"&" + std::string(entity) + ";\" is no character");
            c = c * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
            if (c > 0x10FFFF) fail("\"&" + std::string(entity) + ";\" is no character");
        }
        if (digits.empty() || c == 0 || (c >= 0xD800 && c <= 0xDFFF))
            fail("\"&" + std::string(entity) + ";\" is no character");
        std::string out;
        appendUtf8(out, c);
        return out;
    }

    std::string_view t_;
    std::string_view kind_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
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
    return Reader(text, kind).document();
}

}  // namespace qbk
