#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace keylume {

class ResourceIndex;
class TsTranslator;

// Resource names of the two interface languages.
inline constexpr char kTranslatorEnglish[] = "translator:lang_en";
inline constexpr char kTranslatorChinese[] = "translator:lang_cn";

// Holds the one installed translator of the program. Installing goes through
// QCoreApplication::installTranslator, so every open window gets a
// LanguageChange event: layouts from LayoutLoader translate themselves again,
// and windows that set texts in code re-set them on that event (or on
// languageChanged()).
class TranslatorManager : public QObject {
    Q_OBJECT
  public:
    explicit TranslatorManager(const ResourceIndex& resources, QObject* parent = nullptr);
    ~TranslatorManager() override;

    // Loads the translator resource (e.g. "translator:lang_cn") and installs
    // it. When its language differs from the current one the old translator is
    // removed first; choosing the language already shown changes nothing. A
    // resource that is missing or does not load leaves the current translator
    // in place and returns false.
    bool Install(const QString& resourceName);
    // Install(kTranslatorChinese) or Install(kTranslatorEnglish).
    bool InstallLanguage(bool chinese);

    // The installed translator's language ("zh_CN", "en"); empty when none.
    QString CurrentLanguage() const;
    bool IsChinese() const;

    // The text in the current language; `text` itself when there is no
    // translation or no translator. An empty context finds only the messages
    // of the empty context.
    QString Translate(const QString& context, const QString& text) const;

  signals:
    // After a different translator was installed and the LanguageChange
    // events were delivered.
    void languageChanged();

  private:
    const ResourceIndex& resources_;
    std::unique_ptr<TsTranslator> current_;
};

// The program's translator manager; null before start-up created it.
TranslatorManager* GetTranslatorManager();
void SetTranslatorManager(TranslatorManager* manager);

// GetTranslatorManager()->Translate(context, text), or `text` when there is
// no manager.
QString Translate(const QString& context, const QString& text);

}  // namespace keylume
