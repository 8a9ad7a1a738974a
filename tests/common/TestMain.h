#pragma once
// Runs several QtTest classes in one executable; the exit status counts the failures.
// "-class NAME" (before QtTest's own arguments) runs that class alone: CTest registers each
// class as a test of its own that way.
#include <QGuiApplication>
#include <QtTest>

#include <cstring>
#include <vector>

template <typename T> int RunOneTest(int argc, char **argv)
{
    T test;
    return QTest::qExec(&test, argc, argv);
}

template <typename... Tests> int RunTests(int argc, char **argv)
{
    const char *only = nullptr;
    std::vector<char *> args(argv, argv + argc);
    if (args.size() > 2 && std::strcmp(args[1], "-class") == 0) {
        only = args[2];
        args.erase(args.begin() + 1, args.begin() + 3);
    }
    const int count = int(args.size());
    int failures = 0, run = 0;
    auto runIfChosen = [&](auto tag) {
        using T = typename decltype(tag)::type;
        if (only && std::strcmp(T::staticMetaObject.className(), only) != 0)
            return;
        ++run;
        failures += RunOneTest<T>(count, args.data());
    };
    (runIfChosen(std::type_identity<Tests>{}), ...);
    if (only && run == 0) {
        std::fprintf(stderr, "Unbekannte Testklasse: %s\n", only);
        return 1;
    }
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
