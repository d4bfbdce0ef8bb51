wendolo_e2e(e2e_design design.py)
