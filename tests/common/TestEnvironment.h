#pragma once

#include <QTemporaryDir>

// Every test program runs against a registry store and a home of its own, so no test
// ever reads or writes the settings of the person running the tests.
class TestEnvironment
{
public:
    TestEnvironment();
    const QTemporaryDir &root() const { return m_root; }

private:
    QTemporaryDir m_root;
};
