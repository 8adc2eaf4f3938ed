#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pixlore::tests {

// The test classes of the GUI tests by name; main.cpp runs one or all of them.
inline std::map<QString, std::function<std::unique_ptr<QObject>()>>& Registry() {
    static std::map<QString, std::function<std::unique_ptr<QObject>()>> classes;
    return classes;
}
template <class Test>
struct Registered {
    explicit Registered(const char* name) {
        Registry()[name] = [] { return std::make_unique<Test>(); };
    }
};

inline QStringList Qt(const std::vector<std::string>& strings) {
    QStringList list;
    for (const std::string& s : strings)
        list << QString::fromStdString(s);
    return list;
}

}  // namespace pixlore::tests
