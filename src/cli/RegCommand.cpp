#include "RegCommand.h"

#include "CliArgs.h"
#include "Commands.h"
#include "RegFormat.h"

#include <algorithm>

namespace pelmora::cli {

namespace {

constexpr const char* kDone = "The operation completed successfully.";
constexpr const char* kNotFound = "The system was unable to find the specified registry key or value.";

// An open key, closed on every way out.
class OpenedKey {
public:
    explicit OpenedKey(RegistryApi& api) : m_Api(api) {}
    ~OpenedKey()
    {
        if (m_Key != 0)
            m_Api.CloseKey(m_Key);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    RegKey& Handle() { return m_Key; }

private:
    RegistryApi& m_Api;
    RegKey m_Key = 0;
};

class RegRun {
public:
    RegRun(const RegRequest& request, RegistryApi& api, std::ostream& out, std::ostream& err)
        : m_Request(request), m_Api(api), m_Out(out), m_Err(err)
    {
    }

    int Query();
    int Add();
    int Delete();

private:
    int Fail(long code)
    {
        m_Err << "ERROR: " << (code == kRegFileNotFound ? kNotFound : m_Api.DescribeError(code)) << '\n';
        return 1;
    }

    int Done()
    {
        m_Out << kDone << '\n';
        return 0;
    }

    std::string Path() const { return m_Request.key.path; }
    std::string Name() const { return *m_Request.valueName; }

    void PrintValue(const std::string& valueName, std::uint32_t type, const std::string& bytes)
    {
        const std::string name = valueName.empty() ? "(Default)" : valueName;
        m_Out << "    " << name << "    " << RegTypeName(type) << "    " << FormatRegData(type, bytes)
              << '\n';
    }

    long ReadValue(RegKey key, std::uint32_t& type, std::string& bytes);
    int QueryKey(RegKey key);

    const RegRequest& m_Request;
    RegistryApi& m_Api;
    std::ostream& m_Out;
    std::ostream& m_Err;
};

long RegRun::ReadValue(RegKey key, std::uint32_t& type, std::string& bytes)
{
    std::uint32_t size = 0;
    if (const long code = m_Api.QueryValue(key, Name(), &type, nullptr, &size); code != kRegSuccess)
        return code;
    bytes.assign(size, '\0');
    if (const long code = m_Api.QueryValue(key, Name(), &type, bytes.data(), &size); code != kRegSuccess)
        return code;
    bytes.resize(std::min<std::size_t>(size, bytes.size()));
    return kRegSuccess;
}

int RegRun::QueryKey(RegKey key)
{
    std::vector<RegValueEntry> values;
    std::vector<std::string> subKeys;
    if (const long code = m_Api.EnumValues(key, values); code != kRegSuccess)
        return Fail(code);
    if (const long code = m_Api.EnumSubKeys(key, subKeys); code != kRegSuccess)
        return Fail(code);

    const std::string display = m_Request.key.Display();
    m_Out << '\n' << display << '\n';
    for (const RegValueEntry& value : values)
        PrintValue(value.name, value.type, value.data);
    m_Out << '\n';
    for (const std::string& subKey : subKeys)
        m_Out << display << '\\' << subKey << '\n';
    return 0;
}

int RegRun::Query()
{
    OpenedKey key(m_Api);
    if (const long code = m_Api.OpenKey(m_Request.key.root, Path(), key.Handle()); code != kRegSuccess)
        return Fail(code);
    if (!m_Request.valueName)
        return QueryKey(key.Handle());

    std::uint32_t type = kRegNone;
    std::string bytes;
    if (const long code = ReadValue(key.Handle(), type, bytes); code != kRegSuccess)
        return Fail(code);
    m_Out << '\n' << m_Request.key.Display() << '\n';
    PrintValue(Name(), type, bytes);
    m_Out << '\n';
    return 0;
}

int RegRun::Add()
{
    OpenedKey key(m_Api);
    if (const long code = m_Api.CreateKey(m_Request.key.root, Path(), key.Handle()); code != kRegSuccess)
        return Fail(code);
    if (!m_Request.valueName)
        return Done();

    // The console tool asks before it overwrites; a script cannot answer, so /f is the answer.
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    if (!m_Request.force && m_Api.QueryValue(key.Handle(), Name(), &type, nullptr, &size) == kRegSuccess) {
        m_Err << "ERROR: the value exists already; add /f to overwrite it.\n";
        return 1;
    }
    const std::string bytes = EncodeRegData(m_Request.type, m_Request.data);
    const long code = m_Api.SetValue(key.Handle(), Name(), m_Request.type, bytes.data(),
                                     static_cast<std::uint32_t>(bytes.size()));
    return code == kRegSuccess ? Done() : Fail(code);
}

int RegRun::Delete()
{
    if (!m_Request.valueName) {
        const long code = m_Api.DeleteTree(m_Request.key.root, Path());
        return code == kRegSuccess ? Done() : Fail(code);
    }
    OpenedKey key(m_Api);
    if (const long code = m_Api.OpenKey(m_Request.key.root, Path(), key.Handle()); code != kRegSuccess)
        return Fail(code);
    const long code = m_Api.DeleteValue(key.Handle(), Name());
    return code == kRegSuccess ? Done() : Fail(code);
}

}  // namespace

int RunReg(const RegRequest& request, RegistryApi& api, std::ostream& out, std::ostream& err)
{
    // Nothing can be asked on a console run from a script: deleting needs /f, and never a whole root.
    if (request.verb == RegVerb::Delete) {
        if (!request.force)
            throw UsageError("reg delete asks nothing: add /f to delete");
        if (!request.valueName && request.key.path.empty())
            throw UsageError("reg delete will not delete a whole root");
    }

    RegRun run(request, api, out, err);
    switch (request.verb) {
    case RegVerb::Query: return run.Query();
    case RegVerb::Add: return run.Add();
    case RegVerb::Delete: return run.Delete();
    }
    return 2;
}

int RegCommand(std::span<const std::string> args, CliContext& context)
{
    return RunReg(ParseRegArgs(args), context.services.registry, context.out, context.err);
}

}  // namespace pelmora::cli
