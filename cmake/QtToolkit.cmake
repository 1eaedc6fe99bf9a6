# Which Qt the whole tree builds against: -DSHOWERSCOPE_QT_MAJOR=5 (the default) or 6.
# This is the only place that names a Qt major version. Everything else uses the versionless
# targets (Qt::Core, Qt::Widgets, Qt::Multimedia, Qt::Test) and commands (qt_add_big_resources),
# which Qt 5.15 and Qt 6 both define. Source-level differences between the two live in
# screens/common/qtcompat.{h,cpp}.
set(SHOWERSCOPE_QT_MAJOR 5 CACHE STRING "Qt major version to build against: 5 or 6")
set_property(CACHE SHOWERSCOPE_QT_MAJOR PROPERTY STRINGS 5 6)

if(SHOWERSCOPE_QT_MAJOR STREQUAL "5")
  find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Multimedia Test)
  # Run-time packages of the Debian package built from this toolkit.
  set(SHOWERSCOPE_QT_DEB_DEPENDS
      "libqt5widgets5 (>= 5.15), libqt5gui5 (>= 5.15), libqt5core5a (>= 5.15), libqt5multimedia5 (>= 5.15), libqt5multimedia5-plugins")
elseif(SHOWERSCOPE_QT_MAJOR STREQUAL "6")
  find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Multimedia Test)
  # libqt6multimedia6 carries the sound back ends itself; libqt6gui6 the platform plugins.
  set(SHOWERSCOPE_QT_DEB_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6multimedia6 (>= 6.4)")
else()
  message(FATAL_ERROR "SHOWERSCOPE_QT_MAJOR must be 5 or 6, not '${SHOWERSCOPE_QT_MAJOR}'")
endif()
message(STATUS "Showerscope: building against Qt ${Qt${SHOWERSCOPE_QT_MAJOR}Core_VERSION}")
