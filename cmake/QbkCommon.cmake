# Compiler settings shared by every target of the project.

function(qbk_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(QBK_WERROR)
        # GCC's optimiser warns of std::optional members it cannot follow; those stay
        # warnings rather than stop the build.
        target_compile_options(${target} PRIVATE -Werror)
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            target_compile_options(${target} PRIVATE -Wno-error=maybe-uninitialized)
        endif()
    endif()
    if(QBK_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# A Qt-free core library of one subsystem folder.
function(qbk_core_library name)
    add_library(${name} STATIC ${ARGN})
    qbk_target_defaults(${name})
    # The core holds the money and the file layouts: a narrowing or a hidden name there
    # is a fault before it is a style.
    target_compile_options(${name} PRIVATE -Wshadow -Wconversion)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # GCC's -Wconversion leaves signedness to -Wsign-conversion; clang's does not.
        target_compile_options(${name} PRIVATE -Wno-sign-conversion)
    endif()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# GCC 12's optimiser warns of the std::string copies it inlines into test bodies
# (array-bounds, stringop-overflow) once the library comes in by a precompiled header;
# in tests those stay warnings rather than stop the build.
function(qbk_test_warnings target)
    if(QBK_WERROR AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-error=array-bounds -Wno-error=stringop-overflow)
    endif()
endfunction()

# A GoogleTest program; its tests are registered one by one with CTest.
function(qbk_test name)
    add_executable(${name} ${ARGN})
    qbk_target_defaults(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    # GoogleTest's header is parsed once per program, not once per file.
    target_precompile_headers(${name} PRIVATE <gtest/gtest.h>)
    qbk_test_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# A window test program: GoogleTest with a QApplication on the offscreen platform and
# the main window with every subsystem's commands (qbk_app).
function(qbk_window_test name)
    add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    qbk_target_defaults(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/ledger
                                               ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE qbk_app Qt6::Test GTest::gtest)
    target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <QtWidgets> <QtTest>)
    qbk_test_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
