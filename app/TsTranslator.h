#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTranslator>

namespace keylume {

// A translator read at run time from an XML translation file in Qt
// Linguist's .ts form:
//   <TS version="2.1" language="zh_CN">
//     <context><name>MainDlg</name>
//       <message><source>Exit</source><translation>退出</translation></message>
//     </context>
//   </TS>
// Messages whose translation is empty or marked "unfinished"/"obsolete"/
// "vanished" are left out, so their source text shows instead.
class TsTranslator : public QTranslator {
    Q_OBJECT
  public:
    explicit TsTranslator(QObject* parent = nullptr);

    // False when the text is not a TS document; the translator is then empty.
    bool LoadFromData(const QByteArray& xml);

    // The TS element's "language" attribute, e.g. "zh_CN" or "en".
    QString language() const override { return language_; }
    bool isEmpty() const override { return messages_.isEmpty(); }

    // The translation of `source` in `context`; a text not found there is
    // looked up among the messages of the empty context. Null QString when
    // there is none (QTranslator's convention).
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;

    // The same with Qt strings; `source` back when there is no translation.
    QString Translate(const QString& context, const QString& source) const;
    bool Contains(const QString& context, const QString& source) const;

    // (context, source) pairs with a translation.
    QList<QPair<QString, QString>> Keys() const;

  private:
    static QString Key(const QString& context, const QString& source);

    QString language_;
    QHash<QString, QString> messages_;
};

}  // namespace keylume
