#pragma once

#include "registry/RegResult.h"
#include "registry/RegistryApi.h"

#include <string>

namespace pelmora {

// What a store's failures leave behind: the latest one's code and text, which DescribeError gives
// back for that code, one warning line on stderr for the first, and the count of reads the store
// could not answer.
class StoreFailures {
public:
    // `store` names the store for the user ("the registry store /home/..."); `path` is its file.
    StoreFailures(std::string store, std::string path) : m_Store(std::move(store)), m_Path(std::move(path)) {}

    // Records a failure, warns once and gives the result code for it.
    long Fail(long code, std::string text);
    // Counts a read the store could not answer, by the text DescribeError gives for it.
    long Read(long code);
    std::string Describe(long code) const;

    long LastCode() const { return m_LastCode; }
    const std::string& LastText() const { return m_LastText; }
    const RegReadFailures& ReadFailures() const { return m_ReadFailures; }

private:
    std::string m_Store;
    std::string m_Path;
    long m_LastCode = kRegSuccess;
    std::string m_LastText;
    bool m_Warned = false;
    RegReadFailures m_ReadFailures;
};

}  // namespace pelmora
