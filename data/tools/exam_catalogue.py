"""Exams of the suggestion evaluation set: laboratory tests, X-ray, ultrasound, CT and MRI exams, heart
station, rehabilitation and emergency-room services, each with the ways a PhilHealth list and a hospital's
exam tables write it.

Written for this project from common laboratory, radiology and emergency-room usage in Philippine
hospitals; no list was copied. A line is "key | PhilHealth wordings | hospital wordings", the wordings
separated by ";". The hospital wordings are what an exam table's row may read before the generator adds
letter case, joining marks, remarks in brackets and typing errors (procedure_set.py).
"""

LAB = """
cbc | COMPLETE BLOOD COUNT (CBC) ; CBC ; COMPLETE BLOOD COUNT | CBC ; Complete Blood Count ; Hemogram ; C.B.C. ; CBC (Hemogram) ; Complete Blood Cell Count
cbcplt | COMPLETE BLOOD COUNT WITH PLATELET COUNT ; CBC WITH PLATELET COUNT | CBC with Platelet Count ; CBC w/ PLT ; CBC + Platelet ; CBC/PC ; CBC with Platelet ; Complete Blood Count w/ Platelet Ct
cbcdiff | CBC WITH DIFFERENTIAL COUNT | CBC with Differential ; CBC w/ Diff Count ; CBC + Differential Count ; CBC/Diff
plt | PLATELET COUNT | Platelet Count ; PLT Count ; Platelet ; Platelet Ct. ; Thrombocyte Count
hgb | HEMOGLOBIN | Hemoglobin ; Hgb ; Haemoglobin ; Hb Determination
hct | HEMATOCRIT | Hematocrit ; Hct ; Haematocrit ; Packed Cell Volume
hh | HEMOGLOBIN AND HEMATOCRIT | Hgb & Hct ; Hemoglobin and Hematocrit ; H & H ; Hb/Hct ; Hgb/Hct
esr | ERYTHROCYTE SEDIMENTATION RATE (ESR) ; ESR | ESR ; Sed Rate ; Erythrocyte Sedimentation Rate ; E.S.R. ; ESR (Westergren)
retic | RETICULOCYTE COUNT | Reticulocyte Count ; Retic Count ; Retics ; Reticulocytes
pbs | PERIPHERAL BLOOD SMEAR | Peripheral Blood Smear ; PBS ; Peripheral Smear ; Blood Smear ; PBS Review
wbc | WHITE BLOOD CELL COUNT | WBC Count ; WBC ; White Blood Cell Count ; Leukocyte Count
diff | DIFFERENTIAL COUNT | Differential Count ; WBC Differential ; Diff Count ; Differential
rbcind | RED CELL INDICES | RBC Indices ; Red Cell Indices ; MCV/MCH/MCHC
bloodtyping | BLOOD TYPING (ABO AND RH) ; ABO BLOOD GROUPING | Blood Typing ; ABO Rh Typing ; Blood Type ; ABO/Rh Typing ; Blood Grouping (ABO-Rh)
crossmatch | CROSSMATCHING ; COMPATIBILITY TESTING (CROSSMATCH) | Crossmatching ; Cross Matching ; Crossmatch ; X-match ; Cross-match per unit
pt | PROTHROMBIN TIME (PT) ; PROTHROMBIN TIME WITH INR | Prothrombin Time ; PT ; Protime ; PT/INR ; Prothrombin Time w/ INR ; Pro-time
aptt | ACTIVATED PARTIAL THROMBOPLASTIN TIME (APTT) ; APTT | APTT ; aPTT ; Partial Thromboplastin Time ; PTT ; Activated PTT
bt | BLEEDING TIME | Bleeding Time ; BT ; Bleeding Time (Ivy)
ct | CLOTTING TIME | Clotting Time ; CT (clotting) ; Coagulation Time
btct | BLEEDING TIME AND CLOTTING TIME ; BT/CT | BT/CT ; Bleeding Time & Clotting Time ; BT and CT ; BT-CT ; Bleeding/Clotting Time
ddimer | D-DIMER | D-Dimer ; D Dimer ; DDimer ; D-dimer quantitative
fibrinogen | FIBRINOGEN | Fibrinogen ; Fibrinogen Assay ; Plasma Fibrinogen
g6pd | G6PD SCREENING | G6PD ; G6PD Screening ; G-6-PD
dcoombs | DIRECT COOMBS TEST ; DIRECT ANTIGLOBULIN TEST | Direct Coombs ; Coombs Test (Direct) ; DAT ; Direct Antiglobulin Test ; Coomb's Direct
icoombs | INDIRECT COOMBS TEST ; INDIRECT ANTIGLOBULIN TEST | Indirect Coombs ; Coombs Test (Indirect) ; IAT ; Indirect Antiglobulin Test ; Coomb's Indirect
ua | URINALYSIS ; ROUTINE URINE EXAMINATION | Urinalysis ; Routine Urinalysis ; UA ; Urine Routine ; Urine Analysis ; Urine R/E
fa | FECALYSIS ; ROUTINE STOOL EXAMINATION | Fecalysis ; Stool Exam ; Routine Fecalysis ; Stool Routine ; Stool Examination ; Fecal Analysis
fobt | FECAL OCCULT BLOOD TEST | Fecal Occult Blood ; Occult Blood, Stool ; FOBT ; Stool Occult Blood ; Guaiac Test
ptest | PREGNANCY TEST (URINE) ; PREGNANCY TEST | Pregnancy Test ; Urine Pregnancy Test ; PT (pregnancy) ; UPT ; Preg Test
bhcg | BETA HCG, SERUM (QUANTITATIVE) | Serum Beta HCG ; Beta-hCG Quantitative ; B-HCG Serum ; bHCG Quanti ; Serum hCG Titer
semen | SEMEN ANALYSIS | Semen Analysis ; Sperm Count ; Seminalysis ; Seminal Fluid Analysis
fbs | FASTING BLOOD SUGAR (FBS) ; FBS | FBS ; Fasting Blood Sugar ; Fasting Blood Glucose ; Glucose, Fasting ; FBG ; F.B.S.
rbs | RANDOM BLOOD SUGAR (RBS) ; RBS | RBS ; Random Blood Sugar ; Random Blood Glucose ; Glucose, Random ; RBG
cbg | CAPILLARY BLOOD GLUCOSE (CBG) | CBG ; Capillary Blood Glucose ; HGT ; Glucometer Test ; Blood Glucose (capillary)
ogtt | ORAL GLUCOSE TOLERANCE TEST (OGTT) ; 75G OGTT | OGTT ; Oral Glucose Tolerance Test ; OGTT 75g ; 75g OGTT (3 samples) ; Glucose Tolerance Test
ppbs | 2-HOUR POSTPRANDIAL BLOOD SUGAR | 2 hr PPBS ; Postprandial Blood Sugar ; 2HPPBS ; PPBS ; 2-hr Post-prandial Glucose
hba1c | GLYCOSYLATED HEMOGLOBIN (HBA1C) ; HBA1C | HbA1c ; Glycosylated Hemoglobin ; HBA1C ; A1C ; Glycated Hb ; Hgb A1c
lipid | LIPID PROFILE | Lipid Profile ; Lipid Panel ; Lipids ; Lipid Prof. ; Cholesterol-TG-HDL-LDL
chol | TOTAL CHOLESTEROL ; CHOLESTEROL | Total Cholesterol ; Cholesterol ; Chole ; T. Cholesterol ; Cholesterol, Total
trig | TRIGLYCERIDES | Triglycerides ; TG ; Triglyceride ; Trigly
hdl | HDL CHOLESTEROL | HDL ; HDL Cholesterol ; HDL-C ; High Density Lipoprotein ; HDL Chole
ldl | LDL CHOLESTEROL | LDL ; LDL Cholesterol ; LDL-C ; Low Density Lipoprotein ; LDL Direct
bua | BLOOD URIC ACID (BUA) ; URIC ACID | Uric Acid ; BUA ; Blood Uric Acid ; Uric Acid (serum) ; B.U.A.
crea | CREATININE ; SERUM CREATININE | Creatinine ; Crea ; Serum Creatinine ; Creat ; Creatinine (serum)
bun | BLOOD UREA NITROGEN (BUN) | BUN ; Blood Urea Nitrogen ; Urea Nitrogen ; B.U.N.
alt | ALANINE AMINOTRANSFERASE (ALT/SGPT) ; SGPT | SGPT ; ALT ; SGPT (ALT) ; S.G.P.T. ; ALT/SGPT ; Alanine Transaminase
ast | ASPARTATE AMINOTRANSFERASE (AST/SGOT) ; SGOT | SGOT ; AST ; SGOT (AST) ; S.G.O.T. ; AST/SGOT ; Aspartate Transaminase
alp | ALKALINE PHOSPHATASE | Alkaline Phosphatase ; ALP ; Alk Phos ; Alk. Phosphatase
ggt | GAMMA-GLUTAMYL TRANSFERASE (GGT) | GGT ; Gamma GT ; GGTP ; Gamma Glutamyl Transpeptidase ; Gamma-GT
bili | BILIRUBIN (TOTAL, DIRECT, INDIRECT) | Bilirubin (TB, DB, IB) ; Total, Direct, Indirect Bilirubin ; Bilirubins (B1, B2) ; Bilirubin TB/DB/IB
tbili | TOTAL BILIRUBIN | Total Bilirubin ; TB (bilirubin) ; T. Bilirubin ; Bilirubin, Total ; TBil
dbili | DIRECT BILIRUBIN | Direct Bilirubin ; DB (bilirubin) ; D. Bilirubin ; Bilirubin, Direct
tp | TOTAL PROTEIN | Total Protein ; CHON (total) ; TP ; Protein, Total ; T. Protein
alb | ALBUMIN | Albumin ; Serum Albumin ; Alb ; Albumin Level
tpag | TOTAL PROTEIN, ALBUMIN, GLOBULIN, A/G RATIO | TPAG ; Total Protein with A/G Ratio ; CHON with A/G ; TP-Alb-Glob ; Total Protein, Albumin, Globulin
lytes | SERUM ELECTROLYTES (NA, K, CL) ; ELECTROLYTES | Electrolytes ; Serum Electrolytes ; Na, K, Cl ; Lytes ; Na/K/Cl ; E'lytes ; Electrolytes (Na, K, Cl)
na | SODIUM | Sodium ; Na ; Serum Sodium ; Na+ ; Sodium (Na)
k | POTASSIUM | Potassium ; K ; Serum Potassium ; K+ ; Potassium (K)
cl | CHLORIDE | Chloride ; Cl ; Serum Chloride ; Chloride (Cl)
ca | CALCIUM, TOTAL ; TOTAL CALCIUM | Calcium ; Total Calcium ; Ca ; Calcium (total) ; Ca++ Total
ica | IONIZED CALCIUM | Ionized Calcium ; iCa ; Calcium, Ionized ; Ionised Ca ; Ca++ Ionized
mg | MAGNESIUM | Magnesium ; Mg ; Serum Magnesium ; Mg++
phos | INORGANIC PHOSPHORUS | Phosphorus ; Inorganic Phosphorus ; Phos ; Phosphate ; PO4
amylase | AMYLASE | Amylase ; Serum Amylase ; Amylase Level
lipase | LIPASE | Lipase ; Serum Lipase ; Lipase Level
ldh | LACTATE DEHYDROGENASE (LDH) | LDH ; Lactate Dehydrogenase ; L.D.H. ; Lactic Dehydrogenase
cpk | CREATINE KINASE (CPK), TOTAL | CPK ; CK Total ; Creatine Kinase ; CPK Total ; Creatine Phosphokinase
ckmb | CK-MB | CK-MB ; CKMB ; CPK-MB ; CK MB
trop | TROPONIN I (QUANTITATIVE) | Troponin I Quanti ; Trop I ; Troponin-I Quantitative ; Troponin I (quantitative) ; TnI Quanti
tropql | TROPONIN I (QUALITATIVE) | Troponin I Quali ; Trop I Rapid ; Troponin I Qualitative ; Troponin I (rapid)
tropt | TROPONIN T | Troponin T ; Trop T ; Troponin-T
bnp | NT-PROBNP | NT-proBNP ; Pro-BNP ; NT pro BNP
tsh | THYROID STIMULATING HORMONE (TSH) ; TSH | TSH ; Thyroid Stimulating Hormone ; TSH (3rd gen)
ft4 | FREE T4 (FT4) | FT4 ; Free T4 ; Free Thyroxine ; fT4
ft3 | FREE T3 (FT3) | FT3 ; Free T3 ; Free Triiodothyronine
t3 | T3 (TOTAL) | T3 ; Total T3 ; Triiodothyronine
t4 | T4 (TOTAL) | T4 ; Total T4 ; Thyroxine
tft | THYROID FUNCTION TEST (FT3, FT4, TSH) | Thyroid Function Test ; TFT ; FT3, FT4, TSH ; Thyroid Panel ; Thyroid Profile
lft | LIVER FUNCTION TEST | Liver Function Test ; LFT ; Liver Profile ; Liver Panel
rft | RENAL FUNCTION TEST | Renal Function Test ; RFT ; Kidney Function Test ; Renal Profile
hbsag | HEPATITIS B SURFACE ANTIGEN (HBSAG) ; HBSAG | HBsAg ; HBsAg Screening ; Hepatitis B Surface Antigen ; HBs Ag ; HBsAg (rapid)
antihbs | ANTI-HBS | Anti-HBs ; HBsAb ; Hepatitis B Surface Antibody ; Anti HBs Titer
antihbc | ANTI-HBC IGM | Anti-HBc IgM ; HBc IgM ; Hepatitis B Core Antibody IgM
hbeag | HBEAG | HBeAg ; Hepatitis B e Antigen
antihcv | ANTI-HCV | Anti-HCV ; HCV Antibody ; Hepatitis C Antibody ; Anti HCV Screening
antihav | ANTI-HAV IGM | Anti-HAV IgM ; HAV IgM ; Hepatitis A IgM
hiv | HIV SCREENING | HIV Screening ; HIV 1/2 ; HIV Test ; Anti-HIV ; HIV Rapid Test
rpr | RPR / VDRL | RPR ; VDRL ; RPR/VDRL ; Syphilis Screening (RPR)
tpha | TPHA | TPHA ; Treponema Pallidum Hemagglutination ; T.P.H.A.
asot | ANTI-STREPTOLYSIN O TITER (ASOT) | ASOT ; ASO Titer ; Antistreptolysin O ; ASO ; ASO Titre
crp | C-REACTIVE PROTEIN (CRP) | CRP ; C-Reactive Protein ; CRP Quantitative ; CRP (quanti)
hscrp | HIGH-SENSITIVITY C-REACTIVE PROTEIN (HS-CRP) | hs-CRP ; High Sensitivity CRP ; HsCRP
rf | RHEUMATOID FACTOR | RA Factor ; Rheumatoid Factor ; RF ; RF (latex)
ana | ANTINUCLEAR ANTIBODY (ANA) | ANA ; Antinuclear Antibody ; ANA Screening
procal | PROCALCITONIN | Procalcitonin ; PCT ; Procalcitonin Quanti
ferritin | SERUM FERRITIN | Ferritin ; Serum Ferritin ; Ferritin Level
iron | SERUM IRON AND TIBC | Serum Iron ; Iron and TIBC ; Fe/TIBC ; Fe + TIBC
psa | PROSTATE SPECIFIC ANTIGEN (PSA) | PSA ; Prostate Specific Antigen ; Total PSA ; PSA Total
cea | CARCINOEMBRYONIC ANTIGEN (CEA) | CEA ; Carcinoembryonic Antigen ; CEA Level
afp | ALPHA-FETOPROTEIN (AFP) | AFP ; Alpha Fetoprotein ; AFP Level
ca125 | CA 125 | CA 125 ; CA-125 ; Cancer Antigen 125
ns1 | DENGUE NS1 ANTIGEN | Dengue NS1 ; NS1 Antigen ; Dengue NS1 Ag ; NS1 Ag (rapid)
dengueab | DENGUE IGG/IGM | Dengue IgG/IgM ; Dengue Duo ; Dengue Antibody ; Dengue IgG & IgM
typhidot | TYPHIDOT | Typhidot ; Typhoid IgM ; Typhidot-M
widal | WIDAL TEST | Widal Test ; Widal ; Febrile Agglutination
lepto | LEPTOSPIRA IGM | Leptospira IgM ; Lepto IgM ; Leptospirosis Test
malaria | MALARIAL SMEAR | Malaria Smear ; Malarial Smear ; MP Smear ; Malarial Parasite ; Thick & Thin Smear
abg | ARTERIAL BLOOD GAS (ABG) | ABG ; Arterial Blood Gas ; Blood Gas Analysis ; ABGs
lactate | LACTATE (SERUM) | Lactate ; Serum Lactate ; Lactic Acid ; Lactate Level
genexpert | GENEXPERT MTB/RIF | GeneXpert ; Xpert MTB/RIF ; GeneXpert MTB/RIF ; Gene Xpert
papsmear | PAP SMEAR | Pap Smear ; Pap's Smear ; Papanicolaou Smear ; Pap Test
koh | KOH MOUNT | KOH ; KOH Mount ; KOH Smear ; KOH Prep
histo | HISTOPATHOLOGY, SMALL SPECIMEN | Histopath (small) ; Histopathology Small Specimen ; HPE Small ; Biopsy, Small
histol | HISTOPATHOLOGY, LARGE SPECIMEN | Histopath (large) ; Histopathology Large Specimen ; HPE Large ; Biopsy, Large
crcl | CREATININE CLEARANCE | Creatinine Clearance ; CrCl ; Crea Clearance ; 24h CrCl
microalb | MICROALBUMIN, URINE | Urine Microalbumin ; Microalbumin ; Micral
vitd | VITAMIN D (25-HYDROXY) | Vitamin D ; 25-OH Vitamin D ; Vit D3 Level ; 25 Hydroxy Vit D
"""

# Tests done on several specimens: key, PhilHealth name, hospital names, specimens.
SPECIMEN_TESTS = [
    ("glucose", "GLUCOSE", "Glucose ; Sugar ; Glu", ["csf", "pleural", "peritoneal", "synovial"]),
    ("protein", "PROTEIN", "Protein ; CHON ; Total Protein", ["urine", "csf", "pleural", "peritoneal", "synovial"]),
    ("ldh", "LDH", "LDH ; Lactate Dehydrogenase", ["pleural", "peritoneal", "csf"]),
    ("cellcount", "CELL COUNT AND DIFFERENTIAL", "Cell Count ; Cell Count & Diff ; Cell Ct/Diff", ["csf", "pleural", "peritoneal", "synovial"]),
    ("gram", "GRAM STAIN", "Gram Stain ; Gram's Stain ; GS", ["sputum", "csf", "urine", "pleural", "wound"]),
    ("afb", "AFB SMEAR", "AFB Smear ; AFB Stain ; Acid Fast Bacilli", ["sputum", "csf", "pleural", "urine"]),
    ("culture", "CULTURE AND SENSITIVITY", "Culture & Sensitivity ; C/S ; Culture and Sensitivity ; C&S", ["blood", "urine", "sputum", "csf", "wound", "stool", "pleural"]),
    ("ada", "ADENOSINE DEAMINASE (ADA)", "ADA ; Adenosine Deaminase", ["pleural", "csf", "peritoneal"]),
    ("albumin", "ALBUMIN", "Albumin ; Alb", ["pleural", "peritoneal"]),
    ("amylase", "AMYLASE", "Amylase", ["urine", "peritoneal"]),
    ("creatinine", "CREATININE", "Creatinine ; Crea", ["urine"]),
    ("sodium", "SODIUM", "Sodium ; Na", ["urine"]),
    ("potassium", "POTASSIUM", "Potassium ; K", ["urine"]),
]

# Specimens: PhilHealth wording, hospital wordings.
SPECIMENS = {
    "csf": ("CSF ; CEREBROSPINAL FLUID", "CSF ; Cerebrospinal Fluid ; Spinal Fluid ; C.S.F."),
    "pleural": ("PLEURAL FLUID", "Pleural Fluid ; Pleural ; Pl. Fluid ; Thoracentesis Fluid"),
    "peritoneal": ("PERITONEAL FLUID ; ASCITIC FLUID", "Peritoneal Fluid ; Ascitic Fluid ; Ascites ; Paracentesis Fluid"),
    "synovial": ("SYNOVIAL FLUID", "Synovial Fluid ; Joint Fluid ; Syn. Fluid"),
    "urine": ("URINE", "Urine ; Urinary ; Ur."),
    "sputum": ("SPUTUM", "Sputum ; Sput."),
    "blood": ("BLOOD", "Blood ; Bld ; Hemoculture"),
    "wound": ("WOUND", "Wound ; Wound Swab ; Pus"),
    "stool": ("STOOL", "Stool ; Fecal ; Feces"),
}

# X-ray: body part, PhilHealth name, hospital names, the view sets the table holds.
XRAY_PARTS = [
    ("chest", "CHEST", "Chest ; CXR ; Thorax", ["pa", "ap", "lat", "pa+lat", "ap portable", "apicolordotic", "ap pedia", "pa pedia"]),
    ("skull", "SKULL", "Skull ; Cranium", ["ap+lat", "ap", "lat", "towne"]),
    ("pns", "PARANASAL SINUSES", "Paranasal Sinuses ; PNS ; Sinuses", ["waters", "waters+lat", "caldwell", "series"]),
    ("cspine", "CERVICAL SPINE", "Cervical Spine ; C-Spine ; Cervical Vertebrae", ["ap+lat", "oblique", "ap+lat+oblique", "openmouth"]),
    ("tspine", "THORACIC SPINE", "Thoracic Spine ; T-Spine ; Dorsal Spine", ["ap+lat"]),
    ("lsspine", "LUMBOSACRAL SPINE", "Lumbosacral Spine ; LS Spine ; L-S Spine ; Lumbar Spine", ["ap+lat", "oblique", "flexext"]),
    ("pelvis", "PELVIS", "Pelvis ; Pelvic", ["ap"]),
    ("hip", "HIP", "Hip ; Hip Joint", ["ap+lat", "ap+lat bilateral", "frogleg"]),
    ("shoulder", "SHOULDER", "Shoulder ; Shoulder Joint", ["ap", "ap+lat", "ap bilateral", "axial"]),
    ("humerus", "HUMERUS", "Humerus ; Arm", ["ap+lat"]),
    ("elbow", "ELBOW", "Elbow ; Elbow Joint", ["ap+lat", "ap+lat bilateral"]),
    ("forearm", "FOREARM", "Forearm ; Radius-Ulna", ["ap+lat"]),
    ("wrist", "WRIST", "Wrist ; Wrist Joint", ["ap+lat", "pa+oblique", "ap+lat bilateral"]),
    ("hand", "HAND", "Hand", ["pa+oblique", "pa+oblique bilateral", "ap+lat"]),
    ("finger", "FINGER", "Finger ; Fingers", ["ap+lat"]),
    ("femur", "FEMUR", "Femur ; Thigh", ["ap+lat"]),
    ("knee", "KNEE", "Knee ; Knee Joint", ["ap+lat", "ap+lat bilateral", "skyline", "ap+lat pedia"]),
    ("leg", "LEG (TIBIA-FIBULA)", "Leg ; Tibia-Fibula ; Tib-Fib", ["ap+lat"]),
    ("ankle", "ANKLE", "Ankle ; Ankle Joint", ["ap+lat", "ap+lat+mortise", "ap+lat bilateral"]),
    ("foot", "FOOT", "Foot", ["ap+oblique", "ap+lat", "ap+oblique bilateral"]),
    ("heel", "CALCANEUS", "Calcaneus ; Heel", ["axial+lat"]),
    ("abdomen", "ABDOMEN", "Abdomen ; Plain Abdomen ; Abd", ["supine", "supine+upright", "upright"]),
    ("kub", "KUB", "KUB", ["plain"]),
    ("clavicle", "CLAVICLE", "Clavicle", ["ap", "ap bilateral"]),
    ("ribs", "RIBS", "Ribs ; Rib Cage", ["oblique", "ap+oblique"]),
    ("mandible", "MANDIBLE", "Mandible ; Jaw", ["pa+lat"]),
    ("nasal", "NASAL BONE", "Nasal Bone ; Nasal Bones", ["lat"]),
    ("facial", "FACIAL BONES", "Facial Bones ; Face", ["waters+caldwell+lat"]),
    ("sacrum", "SACROCOCCYGEAL", "Sacrococcygeal ; Sacrum-Coccyx ; Sacrum", ["ap+lat"]),
    ("scapula", "SCAPULA", "Scapula", ["ap+lat"]),
]

# Views: PhilHealth wording, hospital wordings.
VIEWS = {
    "pa": ("PA VIEW ; PA", "PA ; PA View ; P.A. ; Posteroanterior"),
    "ap": ("AP VIEW ; AP", "AP ; AP View ; A.P. ; Anteroposterior"),
    "lat": ("LATERAL VIEW ; LATERAL", "Lateral ; Lat ; Lat. View ; Lateral View"),
    "pa+lat": ("PA AND LATERAL VIEWS ; PA AND LATERAL", "PA & Lateral ; PA/Lat ; PA and Lateral ; PA-LAT ; PA & Lat Views"),
    "ap+lat": ("AP AND LATERAL VIEWS ; AP AND LATERAL", "AP & Lateral ; AP/Lat ; AP and Lateral ; APL ; AP-LAT ; AP & Lat Views"),
    "ap portable": ("AP VIEW, PORTABLE ; AP, PORTABLE", "AP Portable ; Portable AP ; AP (bedside) ; Mobile AP ; AP (portable)"),
    "apicolordotic": ("APICOLORDOTIC VIEW", "Apicolordotic ; Apico-lordotic View ; Lordotic View"),
    "ap pedia": ("AP VIEW, PEDIATRIC ; AP (PEDIATRIC)", "AP (Pedia) ; Pediatric AP ; AP Pedia ; AP (infant)"),
    "pa pedia": ("PA VIEW, PEDIATRIC", "PA (Pedia) ; Pediatric PA ; PA Pedia"),
    "waters": ("WATERS VIEW", "Waters View ; Water's ; Waters"),
    "waters+lat": ("WATERS AND LATERAL VIEWS", "Waters & Lateral ; Water's/Lat ; Waters-Lat"),
    "caldwell": ("CALDWELL VIEW", "Caldwell ; Caldwell View ; Caldwell's"),
    "series": ("SERIES (CALDWELL, WATERS, LATERAL)", "Series (Caldwell, Waters, Lat) ; Caldwell/Waters/Lat"),
    "towne": ("TOWNE VIEW", "Towne ; Towne's View ; Townes"),
    "oblique": ("OBLIQUE VIEWS ; OBLIQUE", "Oblique ; Obliques ; OBL ; Both Obliques"),
    "ap+lat+oblique": ("AP, LATERAL AND OBLIQUE VIEWS", "AP/Lat/Oblique ; AP, Lat & OBL ; APL + Obliques"),
    "openmouth": ("OPEN-MOUTH (ODONTOID) VIEW", "Open Mouth View ; Odontoid View ; Open-mouth"),
    "flexext": ("FLEXION AND EXTENSION VIEWS", "Flexion/Extension ; Flexion & Extension Views ; Flex-Ext"),
    "ap+lat bilateral": ("AP AND LATERAL VIEWS, BILATERAL", "AP/Lat Bilateral ; AP & Lat (both) ; AP-LAT B/L ; APL Both"),
    "ap bilateral": ("AP VIEW, BILATERAL", "AP Bilateral ; AP (both) ; AP B/L"),
    "pa+oblique": ("PA AND OBLIQUE VIEWS", "PA & Oblique ; PA/OBL ; PA-Obl"),
    "pa+oblique bilateral": ("PA AND OBLIQUE VIEWS, BILATERAL", "PA/OBL Bilateral ; PA & Oblique (both) ; PA-OBL B/L"),
    "ap+oblique": ("AP AND OBLIQUE VIEWS", "AP & Oblique ; AP/OBL ; AP-Obl"),
    "ap+oblique bilateral": ("AP AND OBLIQUE VIEWS, BILATERAL", "AP/OBL Bilateral ; AP & Oblique (both) ; AP-OBL B/L"),
    "ap+lat+mortise": ("AP, LATERAL AND MORTISE VIEWS", "AP/Lat/Mortise ; AP, Lat & Mortise ; APL + Mortise"),
    "ap+lat pedia": ("AP AND LATERAL VIEWS, PEDIATRIC", "AP/Lat (Pedia) ; Pedia AP & Lat ; APL Pedia"),
    "skyline": ("SKYLINE VIEW", "Skyline ; Sunrise View ; Skyline View"),
    "frogleg": ("FROG-LEG VIEW", "Frog Leg View ; Frog-leg ; Froglegs"),
    "axial": ("AXIAL VIEW", "Axial ; Axial View ; Axillary View"),
    "axial+lat": ("AXIAL AND LATERAL VIEWS", "Axial & Lateral ; Axial/Lat"),
    "supine": ("SUPINE", "Supine ; Flat ; Supine only"),
    "upright": ("UPRIGHT", "Upright ; Erect"),
    "supine+upright": ("SUPINE AND UPRIGHT", "Supine & Upright ; Supine/Upright ; Flat & Upright"),
    "waters+caldwell+lat": ("WATERS, CALDWELL AND LATERAL VIEWS", "Waters/Caldwell/Lat ; Waters, Caldwell & Lateral"),
    "plain": ("PLAIN", "Plain ; "),
}

# Ultrasound: key, PhilHealth name, hospital names.
ULTRASOUND = """
wab | WHOLE ABDOMEN | Whole Abdomen ; Whole Abd ; Abdomen (whole) ; Whole Abdominal
uab | UPPER ABDOMEN | Upper Abdomen ; Upper Abd ; Abdomen, Upper
lab | LOWER ABDOMEN | Lower Abdomen ; Lower Abd ; Abdomen, Lower
hbt | HEPATOBILIARY TREE (HBT) | HBT ; Hepatobiliary Tree ; Hepatobiliary ; Liver & Gallbladder
kub | KIDNEYS, URETERS AND BLADDER (KUB) | KUB ; Kidneys, Ureters, Bladder ; KUB (renal)
kubp | KUB AND PROSTATE | KUB & Prostate ; KUB with Prostate ; KUB-Prostate
prostate | PROSTATE (TRANSABDOMINAL) | Prostate ; Prostate Gland
pelvic | PELVIC (TRANSABDOMINAL) | Pelvic ; Pelvic Transabdominal ; Pelvis (TAS)
tvs | TRANSVAGINAL | TVS ; Transvaginal ; Transvaginal Scan
trus | TRANSRECTAL (PROSTATE) | TRUS ; Transrectal ; Transrectal Prostate
ob1 | OBSTETRIC, FIRST TRIMESTER | OB 1st Trimester ; Obstetric First Trimester ; OB Early Pregnancy
ob23 | OBSTETRIC, SECOND OR THIRD TRIMESTER | OB 2nd/3rd Trimester ; Obstetric (2nd & 3rd trimester) ; OB Pelvic
bps | OBSTETRIC WITH BIOPHYSICAL PROFILE | BPS ; OB with Biophysical Profile ; BPP ; OB-BPS ; Biophysical Scoring
breastu | BREAST, UNILATERAL | Breast Unilateral ; Breast (one side) ; Breast (R or L)
breastb | BREAST, BILATERAL | Breast Bilateral ; Breast (both) ; Breasts B/L ; Both Breasts
thyroid | THYROID | Thyroid ; Thyroid Gland
neck | NECK | Neck ; Neck Soft Tissue
scrotal | SCROTAL | Scrotal ; Scrotum ; Testicular ; Testes
inguinal | INGUINAL | Inguinal ; Inguinal Region ; Groin
cranial | CRANIAL (NEONATAL) | Cranial ; Cranial Neonatal ; Head (neonatal) ; Transfontanelle
softtissue | SOFT TISSUE | Soft Tissue ; Soft Tissue Mass ; Superficial Mass
chest | CHEST (PLEURAL EFFUSION) | Chest ; Chest (pleural effusion) ; Thorax
carotid | CAROTID DOPPLER | Carotid Doppler ; Carotid Duplex ; Carotid Artery Duplex
venousu | VENOUS DUPLEX, LOWER EXTREMITY, UNILATERAL | Venous Duplex LE Unilateral ; Venous Doppler (one leg) ; Venous Duplex Scan, Lower Extremity
venousb | VENOUS DUPLEX, LOWER EXTREMITY, BILATERAL | Venous Duplex LE Bilateral ; Venous Doppler (both legs) ; Venous Duplex Scan, Lower Extremities B/L
arterial | ARTERIAL DUPLEX, LOWER EXTREMITY | Arterial Duplex LE ; Arterial Doppler Lower Extremity ; Arterial Duplex Scan, Lower Extremity
echo | 2D ECHOCARDIOGRAPHY WITH DOPPLER | 2D Echo with Doppler ; 2D Echo ; Echocardiography ; 2D-Echo w/ Doppler
echoped | 2D ECHOCARDIOGRAPHY, PEDIATRIC | 2D Echo (Pedia) ; Pediatric 2D Echo ; 2D Echo Pedia
"""

# CT and MRI: region key, PhilHealth name, hospital names.
CT_REGIONS = [
    ("head", "HEAD", "Head ; Brain ; Cranial"),
    ("chest", "CHEST", "Chest ; Thorax"),
    ("wab", "WHOLE ABDOMEN", "Whole Abdomen ; Whole Abd ; Abdomen-Pelvis"),
    ("uab", "UPPER ABDOMEN", "Upper Abdomen ; Upper Abd"),
    ("pelvis", "PELVIS", "Pelvis ; Pelvic"),
    ("cspine", "CERVICAL SPINE", "Cervical Spine ; C-Spine"),
    ("lsspine", "LUMBOSACRAL SPINE", "Lumbosacral Spine ; LS Spine ; Lumbar Spine"),
    ("pns", "PARANASAL SINUSES", "Paranasal Sinuses ; PNS ; Sinuses"),
    ("orbits", "ORBITS", "Orbits ; Orbit"),
    ("neck", "NECK", "Neck ; Neck Soft Tissue"),
    ("temporal", "TEMPORAL BONES", "Temporal Bones ; Temporal Bone ; Mastoids"),
    ("kub", "KUB (STONOGRAM)", "KUB ; Stonogram ; KUB Stonogram"),
]
MRI_REGIONS = [
    ("brain", "BRAIN", "Brain ; Head"),
    ("cspine", "CERVICAL SPINE", "Cervical Spine ; C-Spine"),
    ("lsspine", "LUMBOSACRAL SPINE", "Lumbosacral Spine ; LS Spine ; Lumbar Spine"),
    ("knee", "KNEE", "Knee ; Knee Joint"),
    ("shoulder", "SHOULDER", "Shoulder ; Shoulder Joint"),
    ("pelvis", "PELVIS", "Pelvis ; Pelvic"),
    ("wab", "WHOLE ABDOMEN", "Whole Abdomen ; Abdomen"),
]
CONTRAST = {
    "plain": ("PLAIN ; WITHOUT CONTRAST ; NON-CONTRAST", "Plain ; Non-Contrast ; w/o Contrast ; NC ; Unenhanced"),
    "contrast": ("WITH CONTRAST ; CONTRAST-ENHANCED", "with Contrast ; w/ Contrast ; Contrast ; Enhanced ; C+"),
    "both": ("PLAIN AND WITH CONTRAST ; WITH AND WITHOUT CONTRAST", "Plain & Contrast ; Plain and with Contrast ; P+C ; Plain/Contrast ; Pre & Post Contrast"),
}
MODALITY = {
    "xray": ("X-RAY ; RADIOGRAPHY ; XRAY", "X-Ray ; XRAY ; XR ; Radiograph"),
    "us": ("ULTRASOUND ; ULTRASONOGRAPHY", "Ultrasound ; UTZ ; Ultrasonography ; Sonography ; US"),
    "ct": ("CT SCAN ; COMPUTED TOMOGRAPHY (CT)", "CT Scan ; CT ; CAT Scan ; MSCT"),
    "mri": ("MRI ; MAGNETIC RESONANCE IMAGING (MRI)", "MRI ; MR Imaging ; MRI Scan"),
}

# Heart station, rehabilitation and emergency-room services: table, key, PhilHealth, hospital.
SERVICES = """
ECGExam | ecg | ELECTROCARDIOGRAM (ECG), 12 LEADS ; ECG ; 12-LEAD ECG | 12-Lead ECG ; ECG ; Electrocardiogram ; EKG 12 Leads ; Resting ECG ; 12L ECG
ECGExam | ecgrhythm | ECG WITH RHYTHM STRIP | ECG with Rhythm Strip ; 12L ECG + Rhythm Strip ; EKG w/ Rhythm Strip
ECGExam | ecgped | ELECTROCARDIOGRAM, PEDIATRIC | Pediatric ECG ; ECG (Pedia) ; ECG Pedia
ECGExam | holter | 24-HOUR HOLTER MONITORING | 24-Hour Holter ; Holter Monitoring ; Holter 24 hrs ; Holter Study
ECGExam | tmt | TREADMILL STRESS TEST | Treadmill Stress Test ; TMT ; Stress Test ; Treadmill Exercise Test
ECGExam | abi | ANKLE-BRACHIAL INDEX | Ankle Brachial Index ; ABI ; ABI Study
ECGExam | abpm | 24-HOUR AMBULATORY BLOOD PRESSURE MONITORING | 24-hr ABPM ; Ambulatory BP Monitoring ; ABPM
PTExam | pteval | PHYSICAL THERAPY EVALUATION | PT Evaluation ; Physical Therapy Evaluation ; Rehab Evaluation ; PT Initial Eval
PTExam | tens | TRANSCUTANEOUS ELECTRICAL NERVE STIMULATION (TENS) | TENS ; Transcutaneous Electrical Nerve Stimulation ; TENS (electrical stim)
PTExam | ift | INTERFERENTIAL CURRENT THERAPY | Interferential Current Therapy ; IFT ; Interferential Therapy ; IFC
PTExam | hmp | HOT MOIST PACK | Hot Moist Pack ; HMP ; Hot Pack ; Moist Heat
PTExam | tus | THERAPEUTIC ULTRASOUND | Therapeutic Ultrasound ; Therapeutic US ; Ultrasound Therapy
PTExam | ther | THERAPEUTIC EXERCISE | Therapeutic Exercise ; Exercise Therapy ; Therex
PTExam | ctx | CERVICAL TRACTION | Cervical Traction ; Traction, Cervical ; Neck Traction
PTExam | ltx | LUMBAR TRACTION | Lumbar Traction ; Pelvic Traction ; Traction, Lumbar
PTExam | cpt | CHEST PHYSIOTHERAPY | Chest Physiotherapy ; Chest PT ; CPT ; Chest Physio
PTExam | gait | GAIT TRAINING | Gait Training ; Ambulation Training
PTExam | ot | OCCUPATIONAL THERAPY SESSION | Occupational Therapy ; OT Session ; Occupational Therapy Session
PTExam | swd | SHORTWAVE DIATHERMY | Shortwave Diathermy ; SWD ; Short Wave Diathermy
PTExam | paraffin | PARAFFIN WAX BATH | Paraffin Bath ; Paraffin Wax Bath ; Paraffin
OtherRevenue:ER | erfee | EMERGENCY ROOM FEE ; ER FEE | ER Fee ; Emergency Room Fee ; ER Charge ; ER Use Fee
OtherRevenue:ER | erconsult | ER CONSULTATION, ADULT ; EMERGENCY CONSULTATION | ER Consultation ; Emergency Consultation Fee ; ER Consult (Adult) ; ER Consultation Fee
OtherRevenue:ER | erconsultped | ER CONSULTATION, PEDIATRIC | ER Pediatric Consultation ; ER Consult (Pedia) ; Pedia ER Consultation
OtherRevenue:ER | erobs | ER OBSERVATION, PER HOUR | ER Observation per Hour ; Observation Fee (ER) ; ER Observation/hr
OtherRevenue:ER | suturemin | SUTURING, MINOR (LESS THAN 5 CM) | Minor Suturing ; Suturing (Minor) ; Wound Suturing < 5cm ; Minor Suture
OtherRevenue:ER | suturemaj | SUTURING, MAJOR (5 CM OR MORE) | Major Suturing ; Suturing (Major) ; Wound Suturing > 5cm ; Major Suture
OtherRevenue:ER | id | INCISION AND DRAINAGE | Incision and Drainage ; I&D ; I & D ; Incision & Drainage
OtherRevenue:ER | neb | NEBULIZATION | Nebulization ; Neb Treatment ; Nebulization (ER) ; Nebulisation
OtherRevenue:ER | dressing | WOUND DRESSING | Wound Dressing ; Dressing ; Wound Care ; Dressing Change
OtherRevenue:ER | ivins | INTRAVENOUS LINE INSERTION | IV Insertion ; IV Line Insertion ; IV Cannulation ; IVF Insertion
OtherRevenue:ER | ngt | NASOGASTRIC TUBE INSERTION | NGT Insertion ; Nasogastric Tube Insertion ; NG Tube Insertion
OtherRevenue:ER | foley | URINARY CATHETER INSERTION | Foley Catheter Insertion ; IFC Insertion ; Urinary Catheterization ; Foley Insertion
OtherRevenue:ER | cpr | CARDIOPULMONARY RESUSCITATION (CPR) | CPR ; Cardiopulmonary Resuscitation ; Resuscitation (CPR)
OtherRevenue:ER | intub | ENDOTRACHEAL INTUBATION | Endotracheal Intubation ; ET Intubation ; Intubation ; ETT Insertion
OtherRevenue:ER | splint | SPLINTING | Splinting ; Splint Application ; Splint
OtherRevenue:ER | cast | CAST APPLICATION | Cast Application ; POP Cast ; Casting
OtherRevenue:ER | fbremoval | REMOVAL OF FOREIGN BODY | Removal of Foreign Body ; Foreign Body Removal ; FB Removal ; FB Extraction
OtherRevenue:ER | lavage | GASTRIC LAVAGE | Gastric Lavage ; Gastric Washing
OtherRevenue:ER | o2 | OXYGEN INHALATION, PER HOUR | Oxygen per Hour ; O2 Inhalation per Hour ; Oxygen Therapy/hr ; O2 per hr
OtherRevenue:ER | triage | ER TRIAGE FEE | ER Triage Fee ; Triage Fee ; Triage
OtherRevenue:ER | imdr | INTRAMUSCULAR INJECTION | IM Injection ; Intramuscular Injection ; Injection (IM)
OtherRevenue:ER | ivdr | INTRAVENOUS INJECTION | IV Injection ; Intravenous Injection ; IV Push
OtherRevenue:ER | bloodext | BLOOD EXTRACTION | Blood Extraction ; Venipuncture ; Phlebotomy
OtherRevenue:ER | cbgs | CAPILLARY BLOOD GLUCOSE MONITORING (ER) | CBG Monitoring (ER) ; Glucose Monitoring ; HGT Monitoring
OtherRevenue:ER | ecger | ECG TRACING (ER) | ECG Tracing (ER) ; ER ECG ; ECG in ER
OtherRevenue:ER | defib | DEFIBRILLATION | Defibrillation ; Cardioversion/Defibrillation ; Defib
OtherRevenue:ER | minorproc | MINOR PROCEDURE, ER | Minor Procedure (ER) ; ER Minor Procedure
OtherRevenue:ER | burn | BURN DRESSING | Burn Dressing ; Burn Wound Care
"""

# Rows of the other sections of the other-revenue table, never expected: they share words with the services.
OTHER_SECTIONS = [
    ("OR", ["Minor OR Fee", "Major OR Fee", "Recovery Room Fee", "OR Suturing Set Use", "Anesthesia Machine Use",
            "OR Dressing Fee", "Delivery Room Fee"]),
    ("RA", ["Ward per day", "Private Room per day", "ICU per day", "Observation Room per day"]),
    ("NU", ["IV Insertion (ward)", "NGT Insertion (ward)", "Nursing Care Fee per day", "Nebulization (ward)",
            "Oxygen per hour (ward)", "Wound Dressing (ward)", "Blood Transfusion Service Fee"]),
    ("RT", ["Mechanical Ventilator per day", "CPAP per day", "Nebulization per session"]),
]

# Rows no description is meant for: exams of the same tables that are close to the described ones.
DISTRACTORS = {
    "tbcoLabExam": [
        "CBC with ESR", "CBC (Pedia)", "Urine Ketone", "Urine Sugar", "Urine Albumin", "24-Hour Urine Protein",
        "Urine Culture (send out)", "Hepatitis B Profile", "Dengue Package (NS1 + IgG/IgM)", "Fasting Lipid Panel + FBS",
        "Blood Sugar (post-meal)", "Sodium & Potassium", "Potassium, Urine (24h)", "Calcium, Urine (24h)",
        "Glucose, Urine", "Protein, Urine (spot)", "Direct Bilirubin (neonatal)", "Albumin, Urine (micro)",
        "Gram Stain, Vaginal Discharge", "Culture, Throat Swab", "AFB Culture", "Fungal Culture", "Stool Culture",
        "Troponin I (ER rate)", "HbA1c (POC)", "Cholesterol (capillary)", "Anti-TPO", "Prolactin", "Estradiol",
        "Progesterone", "Testosterone", "FSH", "LH", "Cortisol (AM)", "Beta HCG (urine, qualitative)",
        "Blood Typing (newborn)", "Crossmatch (platelet)", "Platelet Aggregation", "Factor VIII Assay",
        "Reticulocyte Production Index", "Sputum Cytology", "Body Fluid Cytology", "Urine Cytology",
        "Semen Fructose", "KOH (nail)", "Ova & Parasites", "Kato-Katz", "Occult Blood, Urine", "Urine Myoglobin",
    ],
    "tbcoXRayExam": [
        "Chest PA & Lateral (Pedia)", "Chest Decubitus", "Chest Lateral Decubitus (Pedia)", "Skull Series",
        "Cervical Spine AP/Lat (Pedia)", "Lumbosacral Spine (4 views)", "Pelvis AP (Pedia)", "Hip Frog Leg Bilateral",
        "Shoulder Y-View", "Elbow Oblique", "Wrist Scaphoid View", "Hand Bone Age", "Knee Standing AP",
        "Ankle Stress Views", "Foot Standing Lateral", "Abdomen Decubitus", "Ribs Bilateral", "Mandible Oblique",
        "Sternum Lateral", "Scoliosis Series", "Long Bone Survey (Pedia)", "Barium Swallow", "Upper GI Series",
        "IVP", "HSG", "Fistulogram", "T-Tube Cholangiogram",
    ],
    "tbcoUltraExam": [
        "Abdomen (Pedia)", "KUB (Pedia)", "Pelvic (Pedia)", "Follicle Monitoring (TVS)", "Cervical Length (TVS)",
        "Twin Pregnancy OB", "OB with Doppler", "Breast with Doppler", "Thyroid with Doppler", "Renal Doppler",
        "Hip (infant)", "Shoulder (musculoskeletal)", "Knee (musculoskeletal)", "Ultrasound-guided Biopsy",
        "Ultrasound-guided Aspiration", "Venous Duplex, Upper Extremity", "Arterial Duplex, Upper Extremity",
        "Scrotal with Doppler", "Transcranial Doppler",
    ],
    "tbcoCTExam": [
        "CT Head (Pedia) Plain", "CT Chest HRCT", "CT Angiography Head", "CT Angiography Chest (PE protocol)",
        "CT Whole Abdomen Triple Phase", "CT Urogram", "CT Thoracic Spine Plain", "CT Knee Plain", "CT Ankle Plain",
        "CT Facial Bones Plain", "CT Guided Biopsy", "CT Enteroclysis",
    ],
    "tbcoMRIExam": [
        "MRI Brain with MRA", "MRI Orbits", "MRI Thoracic Spine Plain", "MRI Hip Plain", "MRI Ankle Plain",
        "MRI Breast with Contrast", "MRCP",
    ],
    "tbcoECGExam": ["ECG (ER rate)", "Signal-Averaged ECG", "Tilt Table Test", "Event Monitoring"],
    "tbcoPTExam": ["PT Re-evaluation", "Cervical Traction (home program)", "Hydrotherapy", "Cryotherapy",
                   "Infrared Therapy", "Massage Therapy"],
    "tbcoOtherRevenue/ER": ["ER Fee (after hours)", "ER Minor Suturing Set", "ER Dressing Set Use",
                            "ER Nebulizer Use", "ER Oxygen Tank Use", "ER Wheelchair Use", "ER Stretcher Use"],
}
