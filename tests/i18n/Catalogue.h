// The translation catalogue as the translators get it (translations/*.ts), and what
// the tests of this folder need to hold the window's texts against it.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <set>
#include <utility>
#include <vector>

namespace i18n {

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    bool unfinished = false;  // type="unfinished", "vanished" or "obsolete"
};

// The messages of a .ts file; `error` says why none could be read.
std::vector<Message> ReadCatalogue(const QString& path, QString* error = nullptr);
// translations/talvane_<code>.ts of the source tree.
QString CataloguePath(const QString& code);

// The catalogue's source texts, any context. A shown text is a source when it is one,
// or one with its %1..%9 filled in, or one without the colon a label ends with (the
// accessible name of the list the label names).
class SourceTexts {
public:
    explicit SourceTexts(const std::vector<Message>& messages);
    bool Holds(const QString& shown) const;
    size_t Size() const { return exact_.size(); }

private:
    std::set<QString> exact_;
    std::vector<QString> patterns_; // sources with placeholders, as anchored expressions
};

// A translator whose every text is twice as long as the source ("Set" -> "Set Set"): a
// stand-in for a language that says things at length.
class LongTexts : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

} // namespace i18n
