# The Debian package build/quillbank_<version>_<arch>.deb (scripts/package), made by
# CPack from the installed layout. Library dependencies come from dpkg-shlibdeps; what
# it cannot see (the Qt platform plugins loaded at run time, the report font) is named
# here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillbank)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brindlefold)
set(CPACK_PACKAGE_CONTACT ${QBK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cashflow book for a household or a small business")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillbank 3 keeps a running list of the money that came in and the money that
went out, each entry with a date, an amount, a category, a note and two fields
of the user's own. The main window shows the entries of a date range, narrowed
to a category or a search, with the totals; summary and full reports are shown,
printed, saved or exported as comma-delimited data. Macros, import of
comma-delimited text and a copy of the data folder stand around the book.
.
The package holds the window program qbk3, the command-line tool qbk3-cli for
scripts, and the converter qbk2to3 for the files of Quillbank 2.x.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.brindlefold.com/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
