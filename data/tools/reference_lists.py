"""Sample PhilHealth eSOA reference lists for the demo hospital.

Invented for the demo: codes, categories and fees are plausible, not PhilHealth's. The routed
categories are spelled exactly as the mapping screen expects them; many descriptions begin with a
generic name or repeat an exam name of the demo hospital, so that selecting an item primes a
search that finds something.
"""

# ESOA_ITEM: category -> (code prefix, first number, descriptions)
ITEM_GROUPS = [
    ("LaboratoryAndDiagnostic", "LD", 101, [
        "CBC with Platelet Count", "Hemoglobin and Hematocrit", "Platelet Count", "Peripheral Blood Smear",
        "Reticulocyte Count", "Blood Typing", "Crossmatching", "Prothrombin Time", "Urinalysis",
        "Fecalysis", "Fecal Occult Blood Test", "Pregnancy Test", "Fasting Blood Sugar", "Random Blood Sugar",
        "Oral Glucose Tolerance Test", "HbA1c", "Lipid Profile", "Creatinine", "Blood Urea Nitrogen", "SGPT",
        "SGOT", "Alkaline Phosphatase", "Bilirubin", "Sodium", "Potassium", "Amylase", "Troponin I", "CK-MB",
        "TSH", "HBsAg", "Anti-HCV", "HIV Screening", "Dengue NS1 Antigen", "Typhidot", "Widal's Test",
        "Gram's Stain", "Sputum AFB Smear", "GeneXpert MTB/RIF", "Blood Culture and Sensitivity",
        "Arterial Blood Gas", "Procalcitonin", "C-Reactive Protein", "Pap's Smear",
        "Histopathology, small specimen", "Thyroid Function Test (FT3, FT4, TSH)",
        "Serum Electrolytes (Na, K, Cl)", "Chest PA", "Whole Abdomen Ultrasound", "12-Lead ECG",
        "CT Scan Head Plain",
    ]),
    ("MedicalSupplies", "MS", 201, [
        "SYRINGE, disposable, 1 mL with needle", "SYRINGE, disposable, 3 mL with needle",
        "SYRINGE, disposable, 5 mL with needle", "SYRINGE, disposable, 10 mL with needle",
        "SYRINGE, insulin, 1 mL", "IV CANNULA G18", "IV CANNULA G20", "IV CANNULA G22", "IV CANNULA G24",
        "CATHETER, Foley, 2-way, Fr 16", "CATHETER, Foley, 2-way, Fr 12", "CATHETER, suction, Fr 10",
        "GAUZE pad, sterile, 4 x 4 in", "GAUZE roll", "IV infusion set, macro", "IV infusion set, micro (soluset)",
        "Blood transfusion set", "Scalp vein set", "Gloves, surgical, sterile, pair", "Gloves, examination, box",
        "Suture, chromic 2-0", "Suture, silk 3-0", "Suture, nylon 4-0", "Suture, polyglactin 910, 2-0",
        "Nasogastric tube", "Endotracheal tube, cuffed", "Oxygen nasal cannula", "Oxygen face mask",
        "Nebulizer kit, adult", "Children's nebulizer kit", "Urine bag", "Elastic bandage", "Micropore tape",
        "Surgical blade", "Umbilical cord clamp", "Adult diaper (pañal)", "Underpad", "ECG electrodes",
        "Chest tube", "Underwater seal drainage system", "Plaster of Paris bandage", "Dialyzer",
        "Bloodline set, hemodialysis",
    ]),
    ("OperatingRoomFees", "OR", 301, [
        "Minor OR Fee", "Major OR Fee", "Recovery Room Fee", "Anesthesia Machine Use",
        "Electrocautery Machine Use", "C-Arm Fluoroscopy Use", "Laparoscopic Tower Use", "Endoscopy Suite Fee",
        "OR Fee, Cesarean Section", "OR Fee, Appendectomy", "OR Fee, Laparoscopic Cholecystectomy",
        "OR Fee, Debridement",
    ]),
    ("RoomAndBoard", "RB", 401, [
        "Ward", "Semi-Private Room", "Private Room", "Suite Room", "ICU", "NICU", "Isolation Room",
        "Sto. Niño Pediatric Ward", "Step-Down Unit", "Nursery (well baby)",
    ]),
    ("ProfessionalFee", "PF", 501, [
        "Attending Physician's Fee", "Surgeon's Fee", "Anesthesiologist's Fee", "Pediatrician's Fee (newborn care)",
        "Obstetrician's Fee", "Cardiologist's Fee (reading)", "Radiologist's Fee (reading)", "Pathologist's Fee",
    ]),
    ("Others", "OT", 601, [
        "Oxygen per hour", "Nebulization per session", "Mechanical Ventilator per day", "Hemodialysis Session",
        "Ambulance Conduction", "Newborn Screening", "Newborn Hearing Screening", "Blood Transfusion Service Fee",
        "Medical Certificate", "Admission Kit", "Nursing Care Fee", "IV Insertion", "NGT Insertion",
        "Foley Catheter Insertion", "Therapeutic Diet per day",
    ]),
    ("Rehabilitation", "RH", 701, [
        "PT Evaluation", "Hot Moist Pack", "TENS", "Therapeutic Ultrasound", "Therapeutic Exercise",
        "Chest Physiotherapy", "Gait Training", "Occupational Therapy Session",
    ]),
]

# The one code that both the item and the medicine file carry: the item file, read first, wins.
SHARED_CODE = "M0001150"
SHARED_ITEM = (SHARED_CODE, "MedicalSupplies", "STERILE WATER FOR INJECTION 10 mL ampule (diluent)")

# ESOA_MEDICINE: (source category, description); codes are numbered from M0001001 in steps of 7,
# except SHARED_CODE, given to the row marked True.
MEDICINES = [
    "PARACETAMOL 500 mg tablet", "PARACETAMOL 250 mg/5 mL syrup, 60 mL", "PARACETAMOL 100 mg/mL drops, 15 mL",
    "PARACETAMOL 150 mg/mL ampule, 2 mL", "IBUPROFEN 200 mg tablet", "IBUPROFEN 100 mg/5 mL suspension, 60 mL",
    "MEFENAMIC ACID 500 mg tablet", "CELECOXIB 200 mg capsule", "KETOROLAC 30 mg/mL ampule",
    "TRAMADOL 50 mg/mL ampule, 2 mL", "MORPHINE SULFATE 10 mg/mL ampule", "NALBUPHINE 10 mg/mL ampule",
    "AMOXICILLIN 500 mg capsule", "AMOXICILLIN 250 mg/5 mL suspension, 60 mL",
    "AMOXICILLIN + POTASSIUM CLAVULANATE 625 mg tablet", "AMPICILLIN 1 g vial", "CEFALEXIN 500 mg capsule",
    "CEFUROXIME 750 mg vial", "CEFTRIAXONE 1 g vial", "CEFTRIAXONE 2 g vial", "CEFAZOLIN 1 g vial",
    "CEFIXIME 100 mg/5 mL suspension, 60 mL", "AZITHROMYCIN 500 mg tablet", "CLARITHROMYCIN 500 mg tablet",
    "CIPROFLOXACIN 500 mg tablet", "LEVOFLOXACIN 750 mg/150 mL IV infusion", "METRONIDAZOLE 500 mg/100 mL IV infusion",
    "CLINDAMYCIN 150 mg/mL ampule, 2 mL", "COTRIMOXAZOLE 800 mg/160 mg tablet", "GENTAMICIN 40 mg/mL ampule, 2 mL",
    "PIPERACILLIN + TAZOBACTAM 4.5 g vial", "MEROPENEM 1 g vial", "VANCOMYCIN 500 mg vial",
    "ISONIAZID + RIFAMPICIN + PYRAZINAMIDE + ETHAMBUTOL FDC tablet", "FLUCONAZOLE 150 mg capsule",
    "ACYCLOVIR 400 mg tablet", "OSELTAMIVIR 75 mg capsule", "ALBENDAZOLE 400 mg tablet",
    "LOSARTAN 50 mg tablet", "AMLODIPINE 5 mg tablet", "AMLODIPINE 10 mg tablet", "METOPROLOL 50 mg tablet",
    "CARVEDILOL 6.25 mg tablet", "CAPTOPRIL 25 mg tablet", "CLONIDINE 75 µg tablet",
    "HYDRALAZINE 20 mg/mL ampule", "NICARDIPINE 1 mg/mL ampule, 10 mL", "FUROSEMIDE 10 mg/mL ampule, 2 mL",
    "SPIRONOLACTONE 25 mg tablet", "ATORVASTATIN 40 mg tablet", "ROSUVASTATIN 10 mg tablet",
    "CLOPIDOGREL 75 mg tablet", "ASPIRIN 80 mg tablet", "ISOSORBIDE DINITRATE 5 mg sublingual tablet",
    "DIGOXIN 250 µg tablet", "AMIODARONE 50 mg/mL ampule, 3 mL", "ENOXAPARIN 40 mg/0.4 mL prefilled syringe",
    "HEPARIN SODIUM 5,000 IU/mL vial, 5 mL", "ALTEPLASE 50 mg vial", "METFORMIN 500 mg tablet",
    "GLICLAZIDE 80 mg tablet", "INSULIN HUMAN REGULAR 100 IU/mL vial, 10 mL", "INSULIN GLARGINE 100 IU/mL pen, 3 mL",
    "SALBUTAMOL 2.5 mg/2.5 mL nebule", "SALBUTAMOL 2 mg/5 mL syrup, 60 mL", "IPRATROPIUM + SALBUTAMOL nebule",
    "BUDESONIDE 500 µg/2 mL nebule", "MONTELUKAST 10 mg tablet", "AMBROXOL 15 mg/5 mL syrup, 60 mL",
    "CARBOCISTEINE 500 mg capsule", "LAGUNDI 600 mg tablet", "SAMBONG 500 mg tablet", "CETIRIZINE 10 mg tablet",
    "DIPHENHYDRAMINE 50 mg/mL ampule", "OMEPRAZOLE 40 mg vial", "PANTOPRAZOLE 40 mg vial",
    "METOCLOPRAMIDE 5 mg/mL ampule, 2 mL", "LOPERAMIDE 2 mg capsule", "ORAL REHYDRATION SALTS sachet",
    "ZINC SULFATE 20 mg/5 mL syrup", "HYOSCINE N-BUTYLBROMIDE 20 mg/mL ampule", "DEXAMETHASONE 4 mg/mL ampule",
    "HYDROCORTISONE 100 mg vial", "OXYTOCIN 10 IU/mL ampule", "METHYLERGOMETRINE 200 µg/mL ampule",
    "MAGNESIUM SULFATE 50% ampule, 10 mL", "FERROUS SULFATE + FOLIC ACID tablet", "PHENYTOIN 50 mg/mL ampule",
    "DIAZEPAM 5 mg/mL ampule, 2 mL", "LIDOCAINE 2% vial, 20 mL", "BUPIVACAINE 0.5% heavy ampule, 4 mL",
    "PROPOFOL 10 mg/mL ampule, 20 mL", "EPINEPHRINE 1 mg/mL ampule", "ATROPINE 1 mg/mL ampule",
    "SODIUM CHLORIDE 0.9% 1 L", "LACTATED RINGER'S SOLUTION 1 L", "DEXTROSE 5% IN LACTATED RINGER'S 1 L",
    "TRANEXAMIC ACID 100 mg/mL ampule, 5 mL", ("STERILE WATER FOR INJECTION 10 mL ampule", True),
    "TETANUS TOXOID 0.5 mL ampule", "HEPATITIS B VACCINE (recombinant) 20 µg/mL vial",
]

# Second field of the medicine file as the source writes it: mostly one spelling, a few others.
def medicine_source_category(index, description):
    if "VACCINE" in description or "TOXOID" in description:
        return "Vaccine"
    return "Drugs and Medicines" if index % 9 == 4 else "DrugsAndMedicines"

# ESOA_ER: category -> (code prefix, rows of (description, fixed fee, charging unit))
ER_GROUPS = [
    ("Therapeutics", "ERT", [
        ("PARACETAMOL 150 mg/mL ampule", "45.00", "per ampule"),
        ("PARACETAMOL 500 mg tablet", "2.50", "per tablet"),
        ("IBUPROFEN 400 mg tablet", "6.75", "per tablet"),
        ("KETOROLAC 30 mg/mL ampule", "85.00", "per ampule"),
        ("TRAMADOL 50 mg/mL ampule", "65.50", "per ampule"),
        ("MORPHINE SULFATE 10 mg/mL ampule", "120.00", "per ampule"),
        ("CEFTRIAXONE 1 g vial", "180.00", "per vial"),
        ("AMPICILLIN 1 g vial", "95.00", "per vial"),
        ("METRONIDAZOLE 500 mg/100 mL IV infusion", "110.00", "per bottle"),
        ("CLINDAMYCIN 150 mg/mL ampule", "140.25", "per ampule"),
        ("SALBUTAMOL 2.5 mg/2.5 mL nebule", "38.50", "per nebule"),
        ("IPRATROPIUM + SALBUTAMOL nebule", "62.00", "per nebule"),
        ("BUDESONIDE 500 µg/2 mL nebule", "98.00", "per nebule"),
        ("HYDROCORTISONE 100 mg vial", "150.00", "per vial"),
        ("DEXAMETHASONE 4 mg/mL ampule", "35.00", "per ampule"),
        ("DIPHENHYDRAMINE 50 mg/mL ampule", "40.00", "per ampule"),
        ("EPINEPHRINE 1 mg/mL ampule", "55.00", "per ampule"),
        ("ATROPINE 1 mg/mL ampule", "48.00", "per ampule"),
        ("SODIUM BICARBONATE 8.4% 50 mL", "250.00", "per ampule"),
        ("CALCIUM GLUCONATE 10% 10 mL", "75.00", "per ampule"),
        ("DOPAMINE 40 mg/mL ampule", "210.00", "per ampule"),
        ("NOREPINEPHRINE 1 mg/mL ampule, 4 mL", "480.00", "per ampule"),
        ("AMIODARONE 50 mg/mL ampule", "395.00", "per ampule"),
        ("FUROSEMIDE 10 mg/mL ampule", "30.00", "per ampule"),
        ("HYDRALAZINE 20 mg/mL ampule", "160.00", "per ampule"),
        ("CAPTOPRIL 25 mg tablet", "4.25", "per tablet"),
        ("CLONIDINE 75 µg tablet", "9.50", "per tablet"),
        ("ASPIRIN 80 mg tablet", "1.75", "per tablet"),
        ("CLOPIDOGREL 75 mg tablet", "22.00", "per tablet"),
        ("OMEPRAZOLE 40 mg vial", "190.00", "per vial"),
        ("METOCLOPRAMIDE 5 mg/mL ampule", "28.00", "per ampule"),
        ("HYOSCINE N-BUTYLBROMIDE 20 mg/mL ampule", "52.00", "per ampule"),
        ("DIAZEPAM 5 mg/mL ampule", "70.00", "per ampule"),
        ("PHENYTOIN 50 mg/mL ampule", "88.00", "per ampule"),
        ("MAGNESIUM SULFATE 50% ampule", "60.00", "per ampule"),
        ("OXYTOCIN 10 IU/mL ampule", "42.00", "per ampule"),
        ("TETANUS TOXOID 0.5 mL", "95.00", "per dose"),
        ("TETANUS IMMUNOGLOBULIN 250 IU", "1250.50", "per dose"),
        ("SODIUM CHLORIDE 0.9% 1 L", "95.00", "per bottle"),
        ("LACTATED RINGER'S SOLUTION 1 L", "110.00", "per bottle"),
        ("DEXTROSE 50% IN WATER 50 mL", "85.00", "per vial"),
        ("ACTIVATED CHARCOAL 50 g", "320.00", "per bottle"),
        ("LIDOCAINE 2% vial", "115.00", "per vial"),
    ]),
    ("Imaging", "ERI", [
        ("Chest PA", "350.00", "per exam"), ("Chest AP (portable)", "550.00", "per exam"),
        ("Chest PA and Lateral", "520.00", "per exam"), ("Skull AP and Lateral", "480.00", "per exam"),
        ("Cervical Spine AP and Lateral", "520.00", "per exam"), ("Pelvis AP", "400.00", "per exam"),
        ("Hip AP and Lateral", "480.00", "per exam"), ("Wrist AP and Lateral", "380.00", "per exam"),
        ("Hand AP and Oblique", "380.00", "per exam"), ("Forearm AP and Lateral", "400.00", "per exam"),
        ("Knee AP and Lateral", "420.00", "per exam"), ("Ankle AP and Lateral", "380.00", "per exam"),
        ("Foot AP and Oblique", "380.00", "per exam"), ("Plain Abdomen", "450.00", "per exam"),
        ("KUB", "400.00", "per exam"), ("Babygram", "500.00", "per exam"), ("Nasal Bone", "350.00", "per exam"),
        ("FAST Ultrasound (trauma)", "1200.00", "per exam"), ("Whole Abdomen Ultrasound", "1800.00", "per exam"),
        ("CT Scan Head Plain", "4500.00", "per exam"), ("CT Scan Cervical Spine Plain", "5200.00", "per exam"),
    ]),
    ("Laboratory", "ERL", [
        ("CBC with Platelet Count", "250.00", "per test"), ("Urinalysis", "120.00", "per test"),
        ("Random Blood Sugar", "110.00", "per test"), ("Capillary Blood Glucose (CBG)", "80.00", "per test"),
        ("Sodium", "180.00", "per test"), ("Potassium", "180.00", "per test"), ("Creatinine", "160.00", "per test"),
        ("Blood Urea Nitrogen", "150.00", "per test"), ("Troponin I", "1250.00", "per test"),
        ("CK-MB", "650.00", "per test"), ("Arterial Blood Gas", "1100.00", "per test"),
        ("Blood Typing", "150.00", "per test"), ("Crossmatching", "450.00", "per unit"),
        ("Prothrombin Time", "380.00", "per test"), ("Dengue NS1 Antigen", "950.00", "per test"),
        ("Pregnancy Test", "150.00", "per test"), ("Fecalysis", "100.00", "per test"),
        ("SGPT", "180.00", "per test"), ("Amylase", "420.00", "per test"), ("Lipase", "520.00", "per test"),
        ("Procalcitonin", "2450.00", "per test"), ("Blood Culture and Sensitivity", "1350.00", "per bottle"),
        ("Malaria Smear", "200.00", "per test"), ("HBsAg", "280.00", "per test"),
        ("Lactate (serum)", "780.00", "per test"),
    ]),
    ("ED Service", "ERS", [
        ("ER Fee", "500.00", "per visit"), ("ER Observation Fee", "150.00", "per hour"),
        ("ER Triage Fee", "100.00", "per visit"), ("Minor Suturing", "650.00", "per procedure"),
        ("Wound Dressing", "250.00", "per procedure"), ("Incision and Drainage", "1200.00", "per procedure"),
        ("Nebulization", "180.00", "per session"), ("IV Insertion", "150.00", "per procedure"),
        ("NGT Insertion", "300.00", "per procedure"), ("Foley Catheter Insertion", "350.00", "per procedure"),
        ("Cardiopulmonary Resuscitation", "2500.00", "per procedure"),
        ("Endotracheal Intubation", "1500.00", "per procedure"), ("Splinting", "600.00", "per procedure"),
        ("Removal of Foreign Body", "800.00", "per procedure"), ("Gastric Lavage", "900.00", "per procedure"),
        ("Wound Care, SEÑOR Citizen Program", "150.00", "per visit"),
    ]),
    ("ED Consultation", "ERC", [
        ("ER Consultation Fee", "400.00", "per visit"), ("ER Pediatric Consultation Fee", "450.00", "per visit"),
        ("ER Consultation, Children's (Niño) Emergency", "450.00", "per visit"),
        ("Specialist Referral in the ED", "800.00", "per visit"),
        ("Obstetrician's Consultation in the ED", "750.00", "per visit"),
        ("Teleconsultation (ED)", "300.00", "per visit"),
    ]),
    ("Monitoring", "ERM", [
        ("Cardiac Monitor", "120.00", "per hour"), ("Pulse Oximetry", "50.00", "per hour"),
        ("Non-Invasive Blood Pressure Monitoring", "60.00", "per hour"), ("Fetal Monitoring (CTG)", "450.00", "per session"),
        ("Oxygen", "75.00", "per hour"), ("Mechanical Ventilator", "3500.00", "per day"),
    ]),
    ("Supplies", "ERP", [
        ("Suture Set", "350.00", "per set"), ("Dressing Set", "150.00", "per set"), ("IV Set", "180.00", "per set"),
        ("Nebulizer Kit", "120.00", "per set"), ("Splint, Aluminum", "250.00", "per piece"),
        ("Cervical Collar", "650.00", "per piece"),
    ]),
    ("Transport", "ERX", [
        ("Ambulance Conduction, within city", "1500.00", "per trip"),
        ("Ambulance Conduction, outside city", "45.50", "per km"),
        ("Patient Transport with Nurse Escort", "800.00", "per trip"),
    ]),
]
