#pragma once
// Runs several QtTest classes in one executable; the exit status counts the failures.
#include <QGuiApplication>
#include <QtTest>

template <typename T> int RunOneTest(int argc, char **argv)
{
    T test;
    return QTest::qExec(&test, argc, argv);
}

template <typename... Tests> int RunTests(int argc, char **argv)
{
    int failures = 0;
    ((failures += RunOneTest<Tests>(argc, argv)), ...);
    return failures;
}

#define NORBEK_TEST_MAIN_CORE(...)                                                                 \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        return RunTests<__VA_ARGS__>(argc, argv);                                                  \
    }

#define NORBEK_TEST_MAIN_GUI(...)                                                                  \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QGuiApplication app(argc, argv);                                                           \
        return RunTests<__VA_ARGS__>(argc, argv);                                                  \
    }
