# The generator window's dialogs: the value choosers, the self-set and tail dialogs and the check
# report's questions, with the criteria of the choosers.
lottodesk_gui_test(test_generatordialogs)
