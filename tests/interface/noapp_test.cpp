// A host that forgot its QApplication gets no instance, and no crash.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "interface/velmar.h"

TEST(NoApplication, CreateGivesNoInstance) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    velmar_data data;
    void* form = vm_create(nullptr, nullptr, 1, 1, 1, 0, emDefault, true, false, 0.0, cfDefault,
                           false, data, nullptr, nullptr);
    EXPECT_EQ(form, nullptr);
    vm_show(form);
    vm_delete(form);
}

TEST(NoApplication, CommandLineApplicationIsNotEnough) {
    int argc = 1;
    char name[] = "noapp_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    velmar_data data;
    EXPECT_EQ(vm_create(nullptr, nullptr, 1, 1, 1, 0, emDefault, true, false, 0.0, cfDefault, false,
                        data, nullptr, nullptr),
              nullptr);
}
