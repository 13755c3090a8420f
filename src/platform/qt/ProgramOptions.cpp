#include "platform/qt/ProgramOptions.h"

#include "platform/qt/DisplayCheck.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace pelmora {

namespace {

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

bool IsHelpOrVersion(const char* arg)
{
    for (const char* name : {"-h", "--help", "-v", "--version"}) {
        if (std::strcmp(arg, name) == 0)
            return true;
    }
    return false;
}

}  // namespace

ProgramOptions::ProgramOptions(const QString& name, const QString& description)
    : m_Name(name),
      m_Help(QStringList{"h", "help"}, "Show this help and exit."),
      m_Version(QStringList{"v", "version"}, "Show the version and exit.")
{
    m_Parser.setApplicationDescription(description);
    // The toolkit's options are single-dash words (-platform, -reverse): never split them into letters.
    m_Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_Parser.addOption(m_Help);
    m_Parser.addOption(m_Version);
}

void ProgramOptions::AddArgument(const QString& name, const QString& description, const QString& syntax)
{
    m_Parser.addPositionalArgument(name, description, syntax);
    ++m_ArgumentCount;
}

void ProgramOptions::AddValueOption(const QString& name, const QString& description, const QString& valueName)
{
    m_Parser.addOption(QCommandLineOption(name, description, valueName));
    m_ValueOptions.push_back(name);
}

std::optional<QString> ProgramOptions::Value(const QString& name) const
{
    if (!m_Parser.isSet(name))
        return std::nullopt;
    return m_Parser.value(name);
}

std::optional<std::string> ProgramOptions::ValueBeforeToolkit(int argc, char** argv, const char* name)
{
    const std::string option = std::string("--") + name;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (argv[i] == option && i + 1 < argc)
            return std::string(argv[i + 1]);
        if (std::strncmp(argv[i], (option + "=").c_str(), option.size() + 1) == 0)
            return std::string(argv[i] + option.size() + 1);
    }
    return std::nullopt;
}

std::optional<int> ProgramOptions::AnswerBeforeToolkit(int argc, char** argv)
{
    bool asked = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        asked = asked || IsHelpOrVersion(argv[i]);
    if (!asked) {
        if (DisplayAvailable(argc, argv))
            return std::nullopt;
        Print(stderr, m_Name + ": no display available (set DISPLAY or QT_QPA_PLATFORM)\n");
        return 1;
    }
    // The help's usage line names the program as it was started, which takes an application object.
    QCoreApplication application(argc, argv);
    // Options the windowing toolkit would have taken are no error here.
    m_Parser.parse(QCoreApplication::arguments());
    return AnswerRequest();
}

std::optional<int> ProgramOptions::Answer(const QStringList& arguments)
{
    const bool parsed = m_Parser.parse(arguments);
    if (const auto status = AnswerRequest())
        return status;
    QString error;
    if (!parsed)
        error = m_Parser.errorText();
    else if (m_Parser.positionalArguments().size() > m_ArgumentCount)
        error = "unexpected argument " + m_Parser.positionalArguments().at(m_ArgumentCount);
    for (const QString& name : m_ValueOptions) {
        // The parser keeps the last of several values: refuse them rather than drop one unseen.
        if (error.isEmpty() && m_Parser.values(name).size() > 1)
            error = "--" + name + " is given twice";
    }
    if (error.isEmpty())
        return std::nullopt;
    Print(stderr, m_Name + ": " + error + "\n(" + m_Name + " --help shows the options)\n");
    return 2;
}

std::optional<int> ProgramOptions::AnswerRequest() const
{
    if (m_Parser.isSet(m_Help)) {
        Print(stdout, m_Parser.helpText());
        return 0;
    }
    if (m_Parser.isSet(m_Version)) {
        Print(stdout, m_Name + " " + PELMORA_VERSION + "\n");
        return 0;
    }
    return std::nullopt;
}

}  // namespace pelmora
