// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A small test harness for the toolkit-free libraries, which build for the
// desktop and for WebAssembly alike: tests register by name, tables run a
// body per named row, checks report the row and carry on. A test program
// runs every test, or those named on its command line, and fails when a
// check did.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace check {

struct Test
{
    const char *name;
    std::function<void()> body;
};

inline std::vector<Test> &tests()
{
    static std::vector<Test> all;
    return all;
}

struct State
{
    const char *test = "";
    std::string row;
    int failures = 0;
};

inline State &state()
{
    static State s;
    return s;
}

struct Registration
{
    Registration(const char *name, std::function<void()> body) { tests().push_back({name, std::move(body)}); }
};

template <typename T> std::string shown(const T &value)
{
    std::ostringstream out;
    out.precision(17);
    if constexpr (std::is_enum_v<T>)
        out << static_cast<long long>(value);
    else
        out << value;
    return out.str();
}

inline void fail(const char *file, int line, const std::string &what)
{
    ++state().failures;
    std::printf("FAIL %s%s%s: %s (%s:%d)\n", state().test, state().row.empty() ? "" : " / ", state().row.c_str(),
                what.c_str(), file, line);
}

// Names the row a table test is at, for the messages of its checks.
struct Row
{
    explicit Row(const std::string &name) { state().row = name; }
    ~Row() { state().row.clear(); }
};

inline int runAll(int argc, char **argv)
{
    int ran = 0;
    for (const Test &test : tests()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], test.name) == 0;
        if (!wanted)
            continue;
        state().test = test.name;
        test.body();
        ++ran;
    }
    std::printf("%d tests, %d failed checks\n", ran, state().failures);
    return state().failures == 0 && ran > 0 ? 0 : 1;
}

} // namespace check

#define CHECK_JOIN2(a, b) a##b
#define CHECK_JOIN(a, b) CHECK_JOIN2(a, b)

#define TEST(name)                                                                                              \
    static void name();                                                                                         \
    static const check::Registration CHECK_JOIN(registration_, name)(#name, name);                            \
    static void name()

#define CHECK(condition)                                                                                        \
    do {                                                                                                        \
        if (!(condition))                                                                                       \
            check::fail(__FILE__, __LINE__, #condition);                                                       \
    } while (false)

#define CHECK_EQ(actual, expected)                                                                              \
    do {                                                                                                        \
        const auto &check_a = (actual);                                                                         \
        const auto &check_e = (expected);                                                                       \
        if (!(check_a == check_e))                                                                              \
            check::fail(__FILE__, __LINE__,                                                                     \
                        std::string(#actual) + " is " + check::shown(check_a) + ", not " + check::shown(check_e)); \
    } while (false)

#define CHECK_NEAR(actual, expected, tolerance)                                                                 \
    do {                                                                                                        \
        const double check_a = (actual);                                                                        \
        const double check_e = (expected);                                                                      \
        if (!(std::fabs(check_a - check_e) <= (tolerance)))                                                     \
            check::fail(__FILE__, __LINE__,                                                                     \
                        std::string(#actual) + " is " + check::shown(check_a) + ", not within " #tolerance " of " \
                            + check::shown(check_e));                                                           \
    } while (false)

#define CHECK_MAIN()                                                                                            \
    int main(int argc, char **argv) { return check::runAll(argc, argv); }
