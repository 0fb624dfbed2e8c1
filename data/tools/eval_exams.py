"""Exams of the suggestion evaluation set: laboratory tests, X-ray, ultrasound, CT and MRI exams, heart
station, rehabilitation and emergency-room services, with the ways a PhilHealth list and a hospital's exam
tables write them.

Written for this project from common laboratory, radiology and emergency-room usage. A line is
"key | PhilHealth wordings | hospital wordings for tuning | hospital wordings kept apart", the wordings
separated by ";". The kept-apart wordings are never used to build the matcher's vocabulary.
"""

LAB = """
cbc | COMPLETE BLOOD COUNT (CBC) ; CBC | CBC ; Complete Blood Count ; C B C | Hemogram ; C.B.C. ; CBC (Hemogram)
cbcplt | COMPLETE BLOOD COUNT WITH PLATELET COUNT ; CBC WITH PLATELET COUNT | CBC w/ Platelet ; CBC with PLT Count ; Complete Blood Count + Platelet | CBC c Plt ; CBC/PC ; Hemogram w/ platelet
plt | PLATELET COUNT | Platelet Count ; PLT Count ; Platelets | Thrombocyte count ; PLT ct ; Plt. Ct.
hgb | HEMOGLOBIN | Hemoglobin ; Hgb ; HB | Haemoglobin ; Hb determination ; HGB.
hct | HEMATOCRIT | Hematocrit ; Hct | Haematocrit ; Packed Cell Volume ; Hct.
hh | HEMOGLOBIN AND HEMATOCRIT | Hgb & Hct ; Hemoglobin and Hematocrit ; H & H | Hb/Hct ; Haemoglobin-Haematocrit ; HgbHct
esr | ERYTHROCYTE SEDIMENTATION RATE (ESR) | ESR ; Sed Rate ; Erythrocyte Sedimentation Rate | E.S.R. ; Westergren ESR ; Sedimentation rate (ESR)
retic | RETICULOCYTE COUNT | Reticulocyte Count ; Retic Count | Retics ; Retic. ct ; Reticulocytes
pbs | PERIPHERAL BLOOD SMEAR | Peripheral Blood Smear ; PBS ; Peripheral Smear | Blood film ; PBS review ; Periph. smear
diff | DIFFERENTIAL COUNT | Differential Count ; WBC Differential ; Diff Count | Differential leukocyte count ; DC ; Diff. ct
bloodtyping | BLOOD TYPING (ABO AND RH) ; ABO BLOOD GROUPING | Blood Typing ; ABO Rh Typing ; Blood Type | Blood grouping ; ABO/Rh ; BT ABO
crossmatch | CROSSMATCHING ; COMPATIBILITY TESTING (CROSSMATCH) | Crossmatching ; Cross Matching ; Crossmatch | X-match ; XM ; Cross-match per unit
pt | PROTHROMBIN TIME (PT) | Prothrombin Time ; PT ; Protime | PT/INR ; Pro-time ; Prothrombin time w/ INR
aptt | ACTIVATED PARTIAL THROMBOPLASTIN TIME (APTT) | APTT ; aPTT ; Partial Thromboplastin Time | PTT ; A.P.T.T. ; Activated PTT
bt | BLEEDING TIME | Bleeding Time ; BT | Bleeding time (Ivy) ; B.T. ; Duke bleeding time
ct | CLOTTING TIME | Clotting Time ; CT (clotting) | Coagulation time ; Lee-White ; C.T.
btct | BLEEDING TIME AND CLOTTING TIME | BT/CT ; Bleeding Time & Clotting Time ; BT and CT | BT-CT ; Bleeding/Clotting Time ; B.T./C.T.
ddimer | D-DIMER | D-Dimer ; D Dimer | DDimer ; D-dimer quanti ; Fibrin D-dimer
fibrinogen | FIBRINOGEN | Fibrinogen ; Fibrinogen assay | Fibrinogen level ; Plasma fibrinogen ; FIB
dcoombs | DIRECT COOMBS TEST ; DIRECT ANTIGLOBULIN TEST | Direct Coombs ; Coombs Test (Direct) ; DAT | Direct antiglobulin ; Coomb's direct ; D.A.T.
icoombs | INDIRECT COOMBS TEST ; INDIRECT ANTIGLOBULIN TEST | Indirect Coombs ; Coombs Test (Indirect) ; IAT | Indirect antiglobulin ; Coomb's indirect ; I.A.T.
ua | URINALYSIS ; ROUTINE URINE EXAMINATION | Urinalysis ; Routine Urinalysis ; UA | Urine R/E ; Urine exam, routine ; Urine analysis
fa | FECALYSIS ; ROUTINE STOOL EXAMINATION | Fecalysis ; Stool Exam ; Routine Fecalysis | Stool R/E ; Fecal analysis ; Stool examination, routine
fobt | FECAL OCCULT BLOOD TEST | Fecal Occult Blood ; Occult Blood, Stool ; FOBT | Guaiac test ; Stool OBT ; Occult blood (feces)
ptest | PREGNANCY TEST (URINE) | Pregnancy Test ; Urine Pregnancy Test ; PT (pregnancy) | UPT ; Preg test ; HCG urine qualitative
bhcg | BETA HCG, SERUM (QUANTITATIVE) | Serum Beta HCG ; Beta-hCG Quantitative ; B-HCG serum | bHCG quanti ; Serum hCG titer ; Beta subunit hCG
fbs | FASTING BLOOD SUGAR (FBS) | FBS ; Fasting Blood Sugar ; Fasting Blood Glucose | Glucose, fasting ; FBG ; F.B.S.
rbs | RANDOM BLOOD SUGAR (RBS) | RBS ; Random Blood Sugar ; Random Blood Glucose | Glucose, random ; RBG ; R.B.S.
cbg | CAPILLARY BLOOD GLUCOSE (CBG) | CBG ; Capillary Blood Glucose ; HGT | Glucometer test ; Blood glucose (capillary) ; C.B.G.
ogtt | ORAL GLUCOSE TOLERANCE TEST (OGTT) | OGTT ; Oral Glucose Tolerance Test ; OGTT 75g | 75g OGTT (3 samples) ; Glucose tolerance test ; O.G.T.T.
ppbs | 2-HOUR POSTPRANDIAL BLOOD SUGAR | 2 hr PPBS ; Postprandial Blood Sugar ; 2HPPBS | PPBS ; 2-hr post-prandial glucose ; Glucose 2h pp
hba1c | GLYCOSYLATED HEMOGLOBIN (HBA1C) | HbA1c ; Glycosylated Hemoglobin ; HBA1C | A1C ; Glycated Hb ; Hgb A1c
lipid | LIPID PROFILE | Lipid Profile ; Lipid Panel ; Lipids | Lipid prof. ; Cholesterol-TG-HDL-LDL ; LIPID PROF
chol | TOTAL CHOLESTEROL | Total Cholesterol ; Cholesterol | Chole ; T. Cholesterol ; Cholesterol, total
trig | TRIGLYCERIDES | Triglycerides ; TG ; Triglyceride | Trigly ; Trig ; TAG
hdl | HDL CHOLESTEROL | HDL ; HDL Cholesterol ; HDL-C | High density lipoprotein ; HDL chole ; Good cholesterol (HDL)
ldl | LDL CHOLESTEROL | LDL ; LDL Cholesterol ; LDL-C | Low density lipoprotein ; LDL chole ; LDL direct
bua | BLOOD URIC ACID (BUA) | Uric Acid ; BUA ; Blood Uric Acid | Serum urate ; Uric acid (serum) ; B.U.A.
crea | CREATININE | Creatinine ; Crea ; Serum Creatinine | Creat ; Creatinine (serum) ; CREA.
bun | BLOOD UREA NITROGEN (BUN) | BUN ; Blood Urea Nitrogen ; Urea Nitrogen | Urea ; B.U.N. ; Serum urea
alt | ALANINE AMINOTRANSFERASE (ALT/SGPT) ; SGPT | SGPT ; ALT ; SGPT (ALT) | S.G.P.T. ; ALT/GPT ; Alanine transaminase
ast | ASPARTATE AMINOTRANSFERASE (AST/SGOT) ; SGOT | SGOT ; AST ; SGOT (AST) | S.G.O.T. ; AST/GOT ; Aspartate transaminase
alp | ALKALINE PHOSPHATASE | Alkaline Phosphatase ; ALP ; Alk Phos | Alk. Phosphatase ; AP (alkaline) ; Alkphos
ggt | GAMMA-GLUTAMYL TRANSFERASE (GGT) | GGT ; Gamma GT ; GGTP | Gamma glutamyl transpeptidase ; G.G.T. ; Gamma-GT
bili | BILIRUBIN (TOTAL, DIRECT, INDIRECT) | Bilirubin (TB, DB, IB) ; Total, Direct, Indirect Bilirubin ; Bilirubin Panel | B1B2 ; Bilirubins ; Bilirubin fractionation
tbili | TOTAL BILIRUBIN | Total Bilirubin ; TB (bilirubin) | T. Bilirubin ; Bilirubin total ; TBil
dbili | DIRECT BILIRUBIN | Direct Bilirubin ; DB (bilirubin) | Conjugated bilirubin ; D. Bilirubin ; Bilirubin direct
tp | TOTAL PROTEIN | Total Protein ; CHON ; TP | Protein, total ; T. Protein ; Serum proteins
alb | ALBUMIN | Albumin ; Serum Albumin | Alb ; Albumin level ; ALB.
tpag | TOTAL PROTEIN, ALBUMIN, GLOBULIN, A/G RATIO | TPAG ; Total Protein with A/G Ratio ; CHON with A/G | Protein (total, alb, glob) ; T.P.A.G. ; TP-Alb-Glob
lytes | SERUM ELECTROLYTES (NA, K, CL) ; ELECTROLYTES | Electrolytes ; Serum Electrolytes ; Na, K, Cl | Lytes ; Na/K/Cl ; E'lytes
na | SODIUM | Sodium ; Na ; Serum Sodium | Na+ ; Sodium (Na) level ; Natrium
k | POTASSIUM | Potassium ; K ; Serum Potassium | K+ ; Potassium (K) level ; Kalium
cl | CHLORIDE | Chloride ; Cl ; Serum Chloride | Cl- ; Chloride level ; Chlorides
ca | CALCIUM, TOTAL | Calcium ; Total Calcium ; Ca | Ca total ; Calcium (serum) ; Ca++ total
ica | IONIZED CALCIUM | Ionized Calcium ; iCa ; Calcium, Ionized | Ca++ ionized ; Free calcium ; Ionised Ca
mg | MAGNESIUM | Magnesium ; Mg ; Serum Magnesium | Mg++ ; Magnesium level ; Mag
phos | INORGANIC PHOSPHORUS | Phosphorus ; Inorganic Phosphorus ; Phos | PO4 ; Phosphate ; Inorg. Phos.
amylase | AMYLASE | Amylase ; Serum Amylase | Amy ; Amylase level ; Alpha-amylase
lipase | LIPASE | Lipase ; Serum Lipase | Lipase level ; LPS ; Lipase (pancreatic)
ldh | LACTATE DEHYDROGENASE (LDH) | LDH ; Lactate Dehydrogenase | LD ; L.D.H. ; Lactic dehydrogenase
cpk | CREATINE KINASE (CPK), TOTAL | CPK ; CK Total ; Creatine Kinase | CPK total ; Creatine phosphokinase ; C.P.K.
ckmb | CK-MB | CK-MB ; CKMB ; CPK-MB | CK MB mass ; CPK MB isoenzyme ; Creatine kinase MB
trop | TROPONIN I (QUANTITATIVE) | Troponin I Quanti ; Trop I ; Troponin-I Quantitative | hs-Troponin I ; TnI quanti ; cTnI
tropql | TROPONIN I (QUALITATIVE) | Troponin I Quali ; Trop I Rapid ; Troponin I Qualitative | TnI qual ; Troponin rapid test ; cTnI screening
bnp | NT-PROBNP | NT-proBNP ; Pro-BNP | NT pro BNP ; BNP ; N-terminal pro BNP
tsh | THYROID STIMULATING HORMONE (TSH) | TSH ; Thyroid Stimulating Hormone | Thyrotropin ; T.S.H. ; TSH (3rd gen)
ft4 | FREE T4 (FT4) | FT4 ; Free T4 ; Free Thyroxine | Free T-4 ; fT4 level ; Thyroxine, free
ft3 | FREE T3 (FT3) | FT3 ; Free T3 | Free T-3 ; Free triiodothyronine ; fT3 level
tft | THYROID FUNCTION TEST (FT3, FT4, TSH) | Thyroid Function Test ; TFT ; FT3, FT4, TSH | Thyroid panel ; T3-T4-TSH ; Thyroid profile
hbsag | HEPATITIS B SURFACE ANTIGEN (HBSAG) | HBsAg ; HBsAg Screening ; Hepatitis B Surface Antigen | Hep B screening ; HBs Ag ; HBSAG rapid
antihbs | ANTI-HBS | Anti-HBs ; HBsAb ; Hepatitis B Surface Antibody | Anti HBs titer ; HBs antibody ; AntiHBs
antihcv | ANTI-HCV | Anti-HCV ; HCV Antibody ; Hepatitis C Antibody | Anti HCV screening ; Hep C Ab ; aHCV
hiv | HIV SCREENING | HIV Screening ; HIV 1/2 ; HIV Test | HIV Ab ; HIV rapid test ; Anti-HIV
rpr | RPR / VDRL | RPR ; VDRL ; RPR/VDRL | Syphilis screening (RPR) ; R.P.R. ; Rapid plasma reagin
tpha | TPHA | TPHA ; Treponema Pallidum Hemagglutination | TPPA ; T.P.H.A. ; Treponemal antibody
asot | ANTI-STREPTOLYSIN O TITER (ASOT) | ASOT ; ASO Titer ; Antistreptolysin O | A.S.O. ; ASO ; ASO titre
crp | C-REACTIVE PROTEIN (CRP) | CRP ; C-Reactive Protein ; CRP Quantitative | C reactive prot ; CRP (quanti) ; Creactive protein
procal | PROCALCITONIN | Procalcitonin ; PCT | Procalcitonin quanti ; Procalcitonin (PCT) ; ProCT
ferritin | SERUM FERRITIN | Ferritin ; Serum Ferritin | Ferritin level ; S. Ferritin ; FERR
iron | SERUM IRON AND TIBC | Serum Iron ; Iron and TIBC ; Fe/TIBC | Iron studies ; Fe + TIBC ; Serum Fe
psa | PROSTATE SPECIFIC ANTIGEN (PSA) | PSA ; Prostate Specific Antigen ; Total PSA | P.S.A. ; PSA total ; Prostate antigen
cea | CARCINOEMBRYONIC ANTIGEN (CEA) | CEA ; Carcinoembryonic Antigen | C.E.A. ; CEA level ; Carcino-embryonic antigen
afp | ALPHA-FETOPROTEIN (AFP) | AFP ; Alpha Fetoprotein | A.F.P. ; Alpha-1 fetoprotein ; AFP level
ns1 | DENGUE NS1 ANTIGEN | Dengue NS1 ; NS1 Antigen ; Dengue NS1 Ag | NS-1 ; Dengue antigen test ; NS1Ag rapid
dengueab | DENGUE IGG/IGM | Dengue IgG/IgM ; Dengue Duo ; Dengue Antibody | Dengue IgG & IgM ; Dengue Ab rapid ; Dengue serology
typhidot | TYPHIDOT | Typhidot ; Typhoid IgM | Typhidot-M ; Salmonella IgM rapid ; Typhi dot
widal | WIDAL TEST | Widal Test ; Widal | Febrile agglutination ; Widal's slide test ; Typhoid agglutinins
malaria | MALARIAL SMEAR | Malaria Smear ; Malarial Smear ; MP Smear | Thick & thin smear ; Malaria parasite exam ; Blood smear for malaria
abg | ARTERIAL BLOOD GAS (ABG) | ABG ; Arterial Blood Gas ; Blood Gas Analysis | A.B.G. ; ABGs ; Arterial blood gases
lactate | LACTATE (SERUM) | Lactate ; Serum Lactate ; Lactic Acid | Lactate level ; Blood lactate ; Lactic acid (plasma)
genexpert | GENEXPERT MTB/RIF | GeneXpert ; Xpert MTB/RIF ; GeneXpert MTB/RIF | Gene Xpert ; MTB RIF ; Xpert test
papsmear | PAP SMEAR | Pap Smear ; Pap's Smear ; Papanicolaou Smear | Pap test ; Cervical smear ; PAPS
koh | KOH MOUNT | KOH ; KOH Mount ; KOH Smear | Potassium hydroxide prep ; KOH prep ; Fungal KOH
histo | HISTOPATHOLOGY, SMALL SPECIMEN | Histopath (small) ; Histopathology Small Specimen ; HPE Small | Biopsy small ; Tissue exam, small ; Surgical pathology small
histol | HISTOPATHOLOGY, LARGE SPECIMEN | Histopath (large) ; Histopathology Large Specimen ; HPE Large | Biopsy large ; Tissue exam, large ; Surgical pathology large
semen | SEMEN ANALYSIS | Semen Analysis ; Sperm Count | Seminal fluid exam ; Seminalysis ; Sperm analysis
crcl | CREATININE CLEARANCE | Creatinine Clearance ; CrCl ; Crea Clearance | 24h CrCl ; Creat. clearance ; Creatinine clearance test
microalb | MICROALBUMIN, URINE | Urine Microalbumin ; Microalbumin | Micral ; Albumin (urine, micro) ; uMALB
vitd | VITAMIN D (25-HYDROXY) | Vitamin D ; 25-OH Vitamin D | Vit D3 level ; 25 Hydroxy Vit D ; Calcidiol
"""

# Tests read in several specimens: key, PhilHealth name, hospital names (tune ; holdout), specimens.
SPECIMEN_TESTS = [
    ("glucose", "GLUCOSE", "Glucose ; Sugar", "Glu ; Gluc", ["csf", "pleural", "peritoneal", "synovial"]),
    ("protein", "PROTEIN", "Protein ; CHON", "Prot ; Tot. protein", ["urine", "csf", "pleural", "peritoneal", "synovial"]),
    ("ldh", "LDH", "LDH ; Lactate Dehydrogenase", "LD ; L.D.H.", ["pleural", "peritoneal", "csf"]),
    ("cellcount", "CELL COUNT AND DIFFERENTIAL", "Cell Count ; Cell Count & Diff", "Cell ct/diff ; Cytology count", ["csf", "pleural", "peritoneal", "synovial"]),
    ("gram", "GRAM STAIN", "Gram Stain ; Gram's Stain ; GS", "Gram smear ; Gram st.", ["sputum", "csf", "urine", "pleural", "wound"]),
    ("afb", "AFB SMEAR", "AFB Smear ; AFB Stain ; Acid Fast Bacilli", "ZN smear ; A.F.B.", ["sputum", "csf", "pleural", "urine"]),
    ("culture", "CULTURE AND SENSITIVITY", "Culture & Sensitivity ; C/S ; Culture and Sensitivity", "C&S ; Cx/Sens ; Culture w/ ABST", ["blood", "urine", "sputum", "csf", "wound", "stool", "pleural"]),
    ("ada", "ADENOSINE DEAMINASE (ADA)", "ADA ; Adenosine Deaminase", "A.D.A. ; Adenosine deam.", ["pleural", "csf", "peritoneal"]),
    ("albumin", "ALBUMIN", "Albumin ; Alb", "Albumin lvl ; ALB.", ["pleural", "peritoneal"]),
    ("amylase", "AMYLASE", "Amylase", "Amy ; Alpha-amylase", ["urine", "peritoneal"]),
    ("creatinine", "CREATININE", "Creatinine ; Crea", "Creat ; CREA.", ["urine"]),
    ("sodium", "SODIUM", "Sodium ; Na", "Na+ ; Natrium", ["urine"]),
    ("potassium", "POTASSIUM", "Potassium ; K", "K+ ; Kalium", ["urine"]),
]

# Specimens: PhilHealth wording, hospital wordings (tune ; holdout).
SPECIMENS = {
    "csf": ("CSF", "CSF ; Cerebrospinal Fluid ; Spinal Fluid", "C.S.F. ; LCR"),
    "pleural": ("PLEURAL FLUID", "Pleural Fluid ; Pleural", "Thoracentesis fluid ; Pl. fluid"),
    "peritoneal": ("PERITONEAL FLUID", "Peritoneal Fluid ; Ascitic Fluid ; Ascites", "Paracentesis fluid ; Perit. fluid"),
    "synovial": ("SYNOVIAL FLUID", "Synovial Fluid ; Joint Fluid", "Arthrocentesis fluid ; Syn. fluid"),
    "urine": ("URINE", "Urine ; Urinary", "Ur. ; 24h urine"),
    "sputum": ("SPUTUM", "Sputum", "Expectorate ; Sput."),
    "blood": ("BLOOD", "Blood", "Bld ; Hemoculture"),
    "wound": ("WOUND", "Wound ; Wound Swab", "Pus ; Wnd swab"),
    "stool": ("STOOL", "Stool ; Fecal", "Feces ; Faecal"),
}

# X-ray: body part, PhilHealth name, hospital names (tune ; holdout), view sets the table holds.
XRAY_PARTS = [
    ("chest", "CHEST", "Chest ; CXR", "Thorax ; Thoracic cage", ["pa", "ap", "lat", "pa+lat", "ap portable", "apicolordotic", "ap pedia"]),
    ("skull", "SKULL", "Skull", "Cranium ; Skull series", ["ap+lat", "ap", "lat"]),
    ("pns", "PARANASAL SINUSES", "Paranasal Sinuses ; PNS ; Sinuses", "Sinus series ; PNS series", ["waters", "waters+lat", "caldwell"]),
    ("cspine", "CERVICAL SPINE", "Cervical Spine ; C-Spine", "Cervical vertebrae ; CS", ["ap+lat", "oblique", "ap+lat+oblique"]),
    ("tspine", "THORACIC SPINE", "Thoracic Spine ; T-Spine", "Dorsal spine ; Thoracic vertebrae", ["ap+lat"]),
    ("lsspine", "LUMBOSACRAL SPINE", "Lumbosacral Spine ; LS Spine ; L-S Spine", "Lumbar spine ; LSS", ["ap+lat", "oblique"]),
    ("pelvis", "PELVIS", "Pelvis ; Pelvic", "Pelvic girdle ; Pelvic bone", ["ap"]),
    ("hip", "HIP", "Hip", "Hip joint ; Coxa", ["ap+lat", "ap+lat bilateral"]),
    ("shoulder", "SHOULDER", "Shoulder", "Shoulder joint ; Shldr", ["ap", "ap+lat", "ap bilateral"]),
    ("humerus", "HUMERUS", "Humerus ; Arm", "Upper arm ; Humeral", ["ap+lat"]),
    ("elbow", "ELBOW", "Elbow", "Elbow joint ; Elb", ["ap+lat", "ap+lat bilateral"]),
    ("forearm", "FOREARM", "Forearm", "Radius-ulna ; Radius and ulna", ["ap+lat"]),
    ("wrist", "WRIST", "Wrist", "Wrist joint ; Carpals", ["ap+lat", "pa+oblique"]),
    ("hand", "HAND", "Hand", "Hand bones ; Metacarpals", ["ap+oblique", "pa+oblique bilateral"]),
    ("femur", "FEMUR", "Femur ; Thigh", "Femoral shaft ; Thigh bone", ["ap+lat"]),
    ("knee", "KNEE", "Knee", "Knee joint ; Genu", ["ap+lat", "ap+lat bilateral", "skyline"]),
    ("leg", "LEG (TIBIA-FIBULA)", "Leg ; Tibia-Fibula", "Tib-fib ; Lower leg", ["ap+lat"]),
    ("ankle", "ANKLE", "Ankle", "Ankle joint ; Talocrural", ["ap+lat", "ap+lat+mortise"]),
    ("foot", "FOOT", "Foot", "Pedal ; Foot bones", ["ap+oblique", "ap+lat"]),
    ("abdomen", "ABDOMEN", "Abdomen ; Plain Abdomen", "Abdominal plain film ; Flat plate abdomen", ["supine", "supine+upright"]),
    ("kub", "KUB", "KUB", "Kidney-ureter-bladder ; K.U.B.", ["plain"]),
    ("clavicle", "CLAVICLE", "Clavicle", "Collar bone ; Clav.", ["ap"]),
    ("ribs", "RIBS", "Ribs ; Rib Cage", "Costal ; Rib series", ["oblique", "ap+oblique"]),
    ("mandible", "MANDIBLE", "Mandible", "Jaw ; Mandibular", ["pa+lat"]),
    ("nasalbone", "NASAL BONE", "Nasal Bone", "Nose bone ; Nasal bones", ["lat"]),
]

# Views: PhilHealth wording, hospital wordings (tune ; holdout).
VIEWS = {
    "pa": ("PA VIEW", "PA ; PA View", "Posteroanterior ; P.A."),
    "ap": ("AP VIEW", "AP ; AP View", "Anteroposterior ; A.P."),
    "lat": ("LATERAL VIEW", "Lateral ; Lat", "Lat. view ; Side view"),
    "pa+lat": ("PA AND LATERAL VIEWS", "PA & Lateral ; PA/Lat ; PA and Lateral", "PA-LAT ; Posteroanterior/lateral"),
    "ap+lat": ("AP AND LATERAL VIEWS", "AP & Lateral ; AP/Lat ; AP and Lateral", "APL ; AP-LAT ; Anteroposterior & lateral"),
    "ap portable": ("AP VIEW, PORTABLE", "AP Portable ; Portable AP ; AP (bedside)", "Mobile AP ; AP bedside x-ray"),
    "apicolordotic": ("APICOLORDOTIC VIEW", "Apicolordotic ; Apico-lordotic View", "AL view ; Lordotic"),
    "ap pedia": ("AP VIEW, PEDIATRIC", "AP (Pedia) ; Pediatric AP", "AP infant ; Paed AP"),
    "waters": ("WATERS VIEW", "Waters View ; Water's", "Occipitomental ; OM view"),
    "waters+lat": ("WATERS AND LATERAL VIEWS", "Waters & Lateral ; Water's/Lat", "OM + lat ; Waters-lat"),
    "caldwell": ("CALDWELL VIEW", "Caldwell ; Caldwell View", "PA axial ; Caldwell's"),
    "oblique": ("OBLIQUE VIEWS", "Oblique ; Obliques ; OBL", "Obl. views ; Both obliques"),
    "ap+lat+oblique": ("AP, LATERAL AND OBLIQUE VIEWS", "AP/Lat/Oblique ; AP, Lat & OBL", "Full series ; 4 views"),
    "ap+lat bilateral": ("AP AND LATERAL VIEWS, BILATERAL", "AP/Lat Bilateral ; AP & Lat (both)", "AP-LAT B/L ; APL both sides"),
    "ap bilateral": ("AP VIEW, BILATERAL", "AP Bilateral ; AP (both)", "AP B/L ; AP both sides"),
    "pa+oblique": ("PA AND OBLIQUE VIEWS", "PA & Oblique ; PA/OBL", "PA-OBL ; PA + Obl."),
    "pa+oblique bilateral": ("PA AND OBLIQUE VIEWS, BILATERAL", "PA/OBL Bilateral ; PA & Oblique (both)", "PA-OBL B/L ; PAO both"),
    "ap+oblique": ("AP AND OBLIQUE VIEWS", "AP & Oblique ; AP/OBL", "AP-OBL ; AP + Obl."),
    "ap+lat+mortise": ("AP, LATERAL AND MORTISE VIEWS", "AP/Lat/Mortise ; AP, Lat & Mortise", "3 views ankle ; APL+mortise"),
    "skyline": ("SKYLINE VIEW", "Skyline ; Sunrise View", "Merchant view ; Tangential patella"),
    "supine": ("SUPINE", "Supine ; Flat", "Recumbent ; Supine only"),
    "supine+upright": ("SUPINE AND UPRIGHT", "Supine & Upright ; Supine/Upright", "Flat & erect ; 2 views abd"),
    "plain": ("PLAIN", "Plain ; ", "Scout ; Plain film"),
}

# Ultrasound: key, PhilHealth name, hospital names (tune ; holdout).
ULTRASOUND = """
wab | WHOLE ABDOMEN | Whole Abdomen ; Whole Abd | W/A ; Abdomen complete
uab | UPPER ABDOMEN | Upper Abdomen ; Upper Abd | Liver-GB-Pancreas-Spleen ; UA
lab | LOWER ABDOMEN | Lower Abdomen ; Lower Abd | Pelvis-lower abd ; LA
hbt | HEPATOBILIARY TREE (HBT) | HBT ; Hepatobiliary Tree ; Hepatobiliary | Liver & gallbladder ; Gallbladder-liver
kub | KIDNEYS, URETERS AND BLADDER (KUB) | KUB ; Kidneys, Ureters, Bladder | Renal ; Urinary tract
kubp | KUB AND PROSTATE | KUB & Prostate ; KUB with Prostate | Renal-prostate ; Urinary tract + prostate
pelvic | PELVIC (TRANSABDOMINAL) | Pelvic ; Pelvic Transabdominal | Pelvis TAS ; Gyne TAS
tvs | TRANSVAGINAL | TVS ; Transvaginal | Endovaginal ; TV scan
ob1 | OBSTETRIC, FIRST TRIMESTER | OB 1st Trimester ; Obstetric First Trimester | Early pregnancy scan ; OB early
bps | OBSTETRIC WITH BIOPHYSICAL PROFILE | BPS ; OB with Biophysical Profile ; BPP | Biophysical score ; OB-BPS
breastu | BREAST, UNILATERAL | Breast Unilateral ; Breast (one side) | Single breast ; Breast R or L
breastb | BREAST, BILATERAL | Breast Bilateral ; Breast (both) | Both breasts ; Breasts B/L
thyroid | THYROID | Thyroid ; Thyroid Gland | Neck-thyroid ; Thyroid lobes
neck | NECK | Neck ; Neck Soft Tissue | Cervical soft tissue ; Neck mass
scrotal | SCROTAL | Scrotal ; Scrotum ; Testicular | Testes ; Hemiscrotum
inguinal | INGUINAL | Inguinal ; Inguinal Region | Groin ; Inguino-scrotal
cranial | CRANIAL (NEONATAL) | Cranial ; Cranial Neonatal ; Head (neonatal) | Transfontanelle ; Neurosonogram
softtissue | SOFT TISSUE | Soft Tissue ; Soft Tissue Mass | Superficial mass ; Subcutaneous
carotid | CAROTID DOPPLER | Carotid Doppler ; Carotid Duplex | Neck vessels duplex ; Carotid arteries
venousu | VENOUS DUPLEX, LOWER EXTREMITY, UNILATERAL | Venous Duplex LE Unilateral ; Venous Doppler (one leg) | Leg veins duplex R or L ; DVT scan single
venousb | VENOUS DUPLEX, LOWER EXTREMITY, BILATERAL | Venous Duplex LE Bilateral ; Venous Doppler (both legs) | Leg veins duplex B/L ; DVT scan both
arterial | ARTERIAL DUPLEX, LOWER EXTREMITY | Arterial Duplex LE ; Arterial Doppler Lower Extremity | Leg arteries duplex ; PAD scan
echo | 2D ECHOCARDIOGRAPHY WITH DOPPLER | 2D Echo with Doppler ; 2D Echo ; Echocardiography | Cardiac echo ; TTE ; 2D-echo c doppler
"""

# CT and MRI: region key, PhilHealth name, hospital names (tune ; holdout).
CT_REGIONS = [
    ("head", "HEAD", "Head ; Brain ; Cranial", "Cranium ; Skull-brain"),
    ("chest", "CHEST", "Chest ; Thorax", "Thoracic ; Lungs"),
    ("wab", "WHOLE ABDOMEN", "Whole Abdomen ; Whole Abd", "Abdomen-pelvis ; A/P"),
    ("uab", "UPPER ABDOMEN", "Upper Abdomen", "Abdomen upper ; Liver-pancreas"),
    ("pelvis", "PELVIS", "Pelvis ; Pelvic", "Pelvic cavity ; Lower pelvis"),
    ("cspine", "CERVICAL SPINE", "Cervical Spine ; C-Spine", "Neck spine ; Cervical vertebrae"),
    ("lsspine", "LUMBOSACRAL SPINE", "Lumbosacral Spine ; LS Spine", "Lumbar ; L-spine"),
    ("pns", "PARANASAL SINUSES", "Paranasal Sinuses ; PNS", "Sinus ; Sinuses (coronal)"),
    ("orbits", "ORBITS", "Orbits ; Orbit", "Eyes ; Orbital"),
    ("neck", "NECK", "Neck ; Neck Soft Tissue", "Cervical soft tissue ; Neck (soft)"),
    ("temporal", "TEMPORAL BONES", "Temporal Bones ; Temporal Bone", "Mastoid ; IAC"),
]
MRI_REGIONS = [
    ("brain", "BRAIN", "Brain ; Head", "Cranial ; Neuro"),
    ("cspine", "CERVICAL SPINE", "Cervical Spine ; C-Spine", "Neck spine ; Cervical"),
    ("lsspine", "LUMBOSACRAL SPINE", "Lumbosacral Spine ; LS Spine", "Lumbar ; L-spine"),
    ("knee", "KNEE", "Knee", "Knee joint ; Genu"),
    ("shoulder", "SHOULDER", "Shoulder", "Shoulder joint ; Shldr"),
]
CONTRAST = {
    "plain": ("PLAIN ; WITHOUT CONTRAST", "Plain ; Non-Contrast ; w/o Contrast", "NC ; Unenhanced ; Non-enhanced"),
    "contrast": ("WITH CONTRAST ; CONTRAST-ENHANCED", "with Contrast ; w/ Contrast ; Contrast", "C+ ; Enhanced ; IV contrast"),
    "both": ("PLAIN AND WITH CONTRAST ; WITH AND WITHOUT CONTRAST", "Plain & Contrast ; Plain and with Contrast ; P+C",
             "Pre & post contrast ; Plain/Enhanced ; NC+C"),
}
MODALITY = {
    "xray": ("X-RAY ; RADIOGRAPHY", "X-Ray ; XRAY ; ", "Radiograph ; Rx ; "),
    "us": ("ULTRASOUND ; ULTRASONOGRAPHY", "Ultrasound ; UTZ ; Ultrasonography ; Sonography", "Sono ; US ; Echography"),
    "ct": ("CT SCAN ; COMPUTED TOMOGRAPHY (CT)", "CT Scan ; CT", "CAT scan ; MSCT ; Computed tomo"),
    "mri": ("MRI ; MAGNETIC RESONANCE IMAGING (MRI)", "MRI", "MR imaging ; Magnetic resonance"),
}

# Heart station, rehabilitation and emergency-room services: table, key, PhilHealth, tune, holdout.
SERVICES = """
ECGExam | ecg | ELECTROCARDIOGRAM (ECG), 12 LEADS ; ECG | 12-Lead ECG ; ECG ; Electrocardiogram | EKG 12 leads ; E.C.G. ; Resting ECG
ECGExam | ecgrhythm | ECG WITH RHYTHM STRIP | ECG with Rhythm Strip ; 12L ECG + Rhythm Strip | EKG w/ rhythm strip ; ECG + long lead II ; Rhythm strip ECG
ECGExam | ecgped | ELECTROCARDIOGRAM, PEDIATRIC | Pediatric ECG ; ECG (Pedia) | Paed EKG ; Child ECG ; ECG infant
ECGExam | holter | 24-HOUR HOLTER MONITORING | 24-Hour Holter ; Holter Monitoring | Ambulatory ECG 24h ; Holter 24 hrs ; Holter study
ECGExam | tmt | TREADMILL STRESS TEST | Treadmill Stress Test ; TMT ; Stress Test | Exercise ECG ; Treadmill exercise test ; Cardiac stress test
ECGExam | abi | ANKLE-BRACHIAL INDEX | Ankle Brachial Index ; ABI | ABPI ; Ankle-arm index ; ABI study
PTExam | pteval | PHYSICAL THERAPY EVALUATION | PT Evaluation ; Physical Therapy Evaluation ; Rehab Evaluation | PT assessment ; Physio initial eval ; PT consult
PTExam | tens | TRANSCUTANEOUS ELECTRICAL NERVE STIMULATION (TENS) | TENS ; Transcutaneous Electrical Nerve Stimulation | Electrical stim (TENS) ; E-stim ; T.E.N.S.
PTExam | ift | INTERFERENTIAL CURRENT THERAPY | Interferential Current Therapy ; IFT ; Interferential Therapy | IFC ; Interferential ; I.F.T.
PTExam | hmp | HOT MOIST PACK | Hot Moist Pack ; HMP ; Hot Pack | Moist heat ; Hydrocollator ; Heat pack
PTExam | tus | THERAPEUTIC ULTRASOUND | Therapeutic Ultrasound ; Therapeutic US | Ultrasound therapy ; Sonotherapy ; US (therapy)
PTExam | ther | THERAPEUTIC EXERCISE | Therapeutic Exercise ; Exercise Therapy | Therex ; Exercises ; ROM exercises
PTExam | ctx | CERVICAL TRACTION | Cervical Traction ; Traction, Cervical | Neck traction ; C-traction ; Cervical tx
PTExam | ltx | LUMBAR TRACTION | Lumbar Traction ; Pelvic Traction | Low back traction ; L-traction ; Lumbar tx
PTExam | cpt | CHEST PHYSIOTHERAPY | Chest Physiotherapy ; Chest PT ; CPT | Chest physio ; Pulmonary PT ; Chest clapping
PTExam | gait | GAIT TRAINING | Gait Training | Ambulation training ; Walking training ; Gait tx
OtherRevenue:ER | erfee | EMERGENCY ROOM FEE ; ER FEE | ER Fee ; Emergency Room Fee ; ER Charge | ED fee ; Emergency fee ; ER use fee
OtherRevenue:ER | erconsult | ER CONSULTATION, ADULT ; EMERGENCY CONSULTATION | ER Consultation ; Emergency Consultation Fee ; ER Consult (Adult) | ED consult ; ER check-up ; Emergency physician consult
OtherRevenue:ER | erconsultped | ER CONSULTATION, PEDIATRIC | ER Pediatric Consultation ; ER Consult (Pedia) ; Pedia ER Consultation | ED consult child ; Paed ER check-up ; ER consult infant
OtherRevenue:ER | erobs | ER OBSERVATION, PER HOUR | ER Observation per Hour ; Observation Fee (ER) | ED observation/hr ; Obs hourly ER ; ER holding per hour
OtherRevenue:ER | suturemin | SUTURING, MINOR (LESS THAN 5 CM) | Minor Suturing ; Suturing (Minor) ; Wound Suturing < 5cm | Laceration repair small ; Minor sutures ; Simple repair
OtherRevenue:ER | suturemaj | SUTURING, MAJOR (5 CM OR MORE) | Major Suturing ; Suturing (Major) ; Wound Suturing > 5cm | Laceration repair large ; Major sutures ; Complex repair
OtherRevenue:ER | id | INCISION AND DRAINAGE | Incision and Drainage ; I&D ; I & D | I/D ; Abscess drainage ; Incision & drain
OtherRevenue:ER | neb | NEBULIZATION | Nebulization ; Neb Treatment ; Nebulization (ER) | Nebulisation ; Aerosol therapy ; Nebulizer tx
OtherRevenue:ER | dressing | WOUND DRESSING | Wound Dressing ; Dressing ; Wound Care | Dressing change ; Wound cleaning ; Wound toilette
OtherRevenue:ER | ivins | INTRAVENOUS LINE INSERTION | IV Insertion ; IV Line Insertion ; IV Cannulation | Venoclysis ; IVF insertion ; Peripheral line
OtherRevenue:ER | ngt | NASOGASTRIC TUBE INSERTION | NGT Insertion ; Nasogastric Tube Insertion | NG tube placement ; Levin tube insertion ; NGT
OtherRevenue:ER | foley | URINARY CATHETER INSERTION | Foley Catheter Insertion ; IFC Insertion ; Urinary Catheterization | Foley insertion ; Indwelling catheter ; Catheterization
OtherRevenue:ER | cpr | CARDIOPULMONARY RESUSCITATION (CPR) | CPR ; Cardiopulmonary Resuscitation | Resuscitation ; Code blue ; C.P.R.
OtherRevenue:ER | intub | ENDOTRACHEAL INTUBATION | Endotracheal Intubation ; ET Intubation ; Intubation | ETT insertion ; Intubation (ER) ; E.T. intubation
OtherRevenue:ER | splint | SPLINTING | Splinting ; Splint Application | Splint ; Slab application ; Immobilization
OtherRevenue:ER | cast | CAST APPLICATION | Cast Application ; POP Cast | Casting ; Plaster cast ; Cast (plaster)
OtherRevenue:ER | fbremoval | REMOVAL OF FOREIGN BODY | Removal of Foreign Body ; Foreign Body Removal ; FB Removal | FB extraction ; Foreign body extraction ; Removal FB
OtherRevenue:ER | lavage | GASTRIC LAVAGE | Gastric Lavage ; Gastric Washing | Stomach wash ; Lavage ; GL
OtherRevenue:ER | o2 | OXYGEN INHALATION, PER HOUR | Oxygen per Hour ; O2 Inhalation per Hour ; Oxygen Therapy/hr | O2 hourly ; Oxygen use per hour ; Oxygen inhal./hr
OtherRevenue:ER | triage | ER TRIAGE FEE | ER Triage Fee ; Triage Fee | Triage ; ED triage ; Triage charge
OtherRevenue:ER | imdr | INTRAMUSCULAR INJECTION | IM Injection ; Intramuscular Injection ; Injection (IM) | Shot IM ; IM administration ; Injection fee
OtherRevenue:ER | ivdr | INTRAVENOUS INJECTION | IV Injection ; Intravenous Injection ; IV Push | IV administration ; IVP (drug) ; Injection fee IV
OtherRevenue:ER | bloodext | BLOOD EXTRACTION | Blood Extraction ; Venipuncture | Blood collection ; Phlebotomy ; Extraction fee
OtherRevenue:ER | cbgs | CAPILLARY BLOOD GLUCOSE MONITORING (ER) | CBG Monitoring (ER) ; Glucose Monitoring | HGT monitoring ; Glucometer ER ; CBG check
OtherRevenue:ER | ecger | ECG TRACING (ER) | ECG Tracing (ER) ; ER ECG | EKG tracing ED ; ECG in ER ; 12L ECG ER
"""
