# Which Qt the whole tree builds against: -DSHOWERSCOPE_QT_MAJOR=5 (the default) or 6.
# This is the only place that names a Qt major version. Everything else uses the versionless
# targets (Qt::Core, Qt::Widgets, Qt::Multimedia, Qt::Charts, Qt::Test) and commands (qt_add_big_resources),
# which Qt 5.15 and Qt 6 both define. Source-level differences between the two live in
# screens/common/qtcompat.{h,cpp}.
set(SHOWERSCOPE_QT_MAJOR 5 CACHE STRING "Qt major version to build against: 5 or 6")
set_property(CACHE SHOWERSCOPE_QT_MAJOR PROPERTY STRINGS 5 6)

# Charts draws the explorer's graphs; LinguistTools compiles its translation catalogues.
set(_showerscope_qt_components Core Gui Widgets Multimedia Charts LinguistTools)
if(BUILD_TESTING)
  list(APPEND _showerscope_qt_components Test)
endif()
# SHOWERSCOPE_QT_DEB_DEPENDS: the run-time packages of the Debian package that dpkg-shlibdeps
# cannot see, because the program loads them rather than links them (sound back ends, the
# toolkit's own translations). SHOWERSCOPE_QT_DEB_SUGGESTS: the toolkit's Wayland plugin, for
# those who choose QT_QPA_PLATFORM=wayland. SHOWERSCOPE_QT_DEB_RELEASE: the package's Debian
# release; the Qt 6 build's carries "+qt6", so that the two builds are different versions in
# different files and either one replaces the other.
if(SHOWERSCOPE_QT_MAJOR STREQUAL "5")
  find_package(Qt5 5.15 REQUIRED COMPONENTS ${_showerscope_qt_components})
  set(SHOWERSCOPE_QT_DEB_DEPENDS "libqt5multimedia5-plugins (>= 5.15), qttranslations5-l10n (>= 5.15)")
  set(SHOWERSCOPE_QT_DEB_SUGGESTS "qtwayland5")
  set(SHOWERSCOPE_QT_DEB_RELEASE "1")
elseif(SHOWERSCOPE_QT_MAJOR STREQUAL "6")
  find_package(Qt6 6.4 REQUIRED COMPONENTS ${_showerscope_qt_components})
  # libqt6multimedia6 carries the sound back ends itself.
  set(SHOWERSCOPE_QT_DEB_DEPENDS "qt6-translations-l10n (>= 6.4)")
  set(SHOWERSCOPE_QT_DEB_SUGGESTS "qt6-wayland")
  set(SHOWERSCOPE_QT_DEB_RELEASE "1+qt6")
else()
  message(FATAL_ERROR "SHOWERSCOPE_QT_MAJOR must be 5 or 6, not '${SHOWERSCOPE_QT_MAJOR}'")
endif()
message(STATUS "Showerscope: building against Qt ${Qt${SHOWERSCOPE_QT_MAJOR}Core_VERSION}")
