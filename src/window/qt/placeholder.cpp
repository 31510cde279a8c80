// Replaced by the workbench dialog.
