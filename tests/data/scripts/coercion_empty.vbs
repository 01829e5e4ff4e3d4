' Rule: An uninitialised variable is Empty: 0 in arithmetic, "" beside text, and IsEmpty answers True.
' Rule: TypeName names the kind of a value.
' Case: "x" => "True|0|x|Empty|Integer"
Function DataUpdated(Data)
  Dim e
  DataUpdated = IsEmpty(e) & "|" & (e + 0) & "|" & (e & Data) & "|" & TypeName(e) & "|" & TypeName(e + 0)
End Function
