# The Debian package: scripts/package.sh runs CPack on the Release tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KALVO_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Kalvo developers")
set(CPACK_PACKAGE_CONTACT "Kalvo developers <maintainers@users.noreply.c-seed-57982055.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop diary kept day by day on a month calendar")
set(CPACK_PACKAGE_DESCRIPTION "Kalvo is a diary for one person: pick a day on the month
calendar, write what happened and post it. Days with an entry are marked on
the calendar; a date range can be previewed, printed, saved as PDF and
exported as text or JSON.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The Qt platform plugins are loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The window shows the Wine Tahoma metrics and the Japanese texts when these fonts are present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-liberation, fonts-ipafont-gothic")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE KALVO_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE
  ERROR_QUIET)
if(NOT KALVO_DEB_ARCH)
  set(KALVO_DEB_ARCH amd64)
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${KALVO_DEB_ARCH})
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${KALVO_DEB_ARCH})
include(CPack)
