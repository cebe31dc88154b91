#pragma once

#include <gtest/gtest.h>
#include <QWidget>

namespace quintaro::testing {

template <typename T>
T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no " << name << " in " << window->objectName().toStdString();
    return found;
}

}  // namespace quintaro::testing
