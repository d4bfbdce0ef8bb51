wendolo_e2e(e2e_storage storage.py)
