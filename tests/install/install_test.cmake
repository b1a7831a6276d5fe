# The installed layout: cmake --install into a scratch prefix, checked by install_test.sh.
if(TARGET almanix)
  add_test(NAME install_layout
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install_test.sh ${PROJECT_BINARY_DIR}
            ${CMAKE_CURRENT_BINARY_DIR}/install-prefix)
  set_tests_properties(install_layout PROPERTIES LABELS "install")
endif()
