#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// A windowed program's command line: -h/--help, -v/--version and the plain arguments it takes,
// beside the toolkit's own options. Help and version need no display, so they are answered
// before a display is looked for; everything else once the toolkit has removed its options.
class ProgramOptions {
public:
    ProgramOptions(const QString& name, const QString& description);

    // An optional plain argument, shown in the help as `syntax`.
    void AddArgument(const QString& name, const QString& description, const QString& syntax);

    // An option that takes a value (--name VALUE or --name=VALUE), given at most once.
    void AddValueOption(const QString& name, const QString& description, const QString& valueName);

    // The value of such an option, after Answer; none when it was not given.
    std::optional<QString> Value(const QString& name) const;

    // The value of option `name` read from argv before the toolkit starts (--name VALUE or
    // --name=VALUE): for what must happen while the program has no threads yet.
    static std::optional<std::string> ValueBeforeToolkit(int argc, char** argv, const char* name);

    // When argv asks for help or the version: prints it and returns the exit status (0). Else,
    // when no window could be shown, says so in one line and returns 1. Nothing: go on.
    std::optional<int> AnswerBeforeToolkit(int argc, char** argv);

    // The arguments left by the toolkit's application object. Help, the version or an error is
    // printed here and the exit status returned (0, or 2 for a usage error); nothing: go on.
    std::optional<int> Answer(const QStringList& arguments);

    // The plain arguments, after Answer.
    QStringList Arguments() const { return m_Parser.positionalArguments(); }

private:
    std::optional<int> AnswerRequest() const;

    QString m_Name;
    qsizetype m_ArgumentCount = 0;
    QCommandLineParser m_Parser;
    QCommandLineOption m_Help;
    QCommandLineOption m_Version;
    std::vector<QString> m_ValueOptions;
};

}  // namespace pelmora
