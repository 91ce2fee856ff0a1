# The formula input dialog, the custom indicator dialog and the cold/hot settings dialog.
lottodesk_gui_test(test_formuladialogs)
